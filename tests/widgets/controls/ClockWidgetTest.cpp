#include "WidgetTesting.h"

#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/QtColors.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model::look;

TEST(ClockGeometry, HandsDigitalTextAndDotColours)
{
    EXPECT_EQ(HandPositions(15, 45, 10).Hour, 18);
    EXPECT_EQ(HandPositions(3, 47, 0).Hour, 18);
    EXPECT_EQ(HandPositions(3, 48, 0).Hour, 19);
    EXPECT_EQ(HandPositions(0, 0, 0).Hour, 0);
    EXPECT_EQ(HandPositions(23, 59, 59).Hour, 59);
    EXPECT_EQ(std::pair(HandPositions(10, 10, 30).Minute, HandPositions(10, 10, 30).Second), std::pair(10, 30));

    EXPECT_EQ(ClockText(9, 5, 7, false, false, true, "AM", "PM"), "09:05");
    EXPECT_EQ(ClockText(9, 5, 7, true, false, false, "AM", "PM"), "9:05:07");
    EXPECT_EQ(ClockText(15, 5, 7, true, true, false, "AM", "PM"), "3:05:07 PM");
    EXPECT_EQ(ClockText(0, 30, 0, false, true, true, "vorm.", "nachm."), "12:30 vorm.");
    EXPECT_EQ(ClockSampleText(false, true, "AM", "nachm."), "88888 nachm.");
    EXPECT_EQ(ClockSampleText(true, false, "AM", "PM"), "88888888");

    EXPECT_EQ(LighterDotColor(Teal, White), RGBColor(0, 255, 255));
    EXPECT_EQ(LighterDotColor(RGBColor(192, 64, 0), White), RGBColor(255, 191, 0));
    EXPECT_EQ(LighterDotColor(Red, RGBColor(1, 2, 3)), RGBColor(1, 2, 3));
}
