#include "WidgetTesting.h"

#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/QtColors.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace widgets;
using widgets_test::Backdrop;
using widgets_test::PixelAt;
using widgets_test::Snapshot;

namespace {

QPoint Pixel(const ClockPoint& p)
{
    return {static_cast<int>(std::floor(p.X)), static_cast<int>(std::floor(p.Y))};
}

// A white analog clock without bevels showing a fixed time.
struct FixedClock {
    Backdrop Ground;
    ClockWidget Clock{&Ground};

    FixedClock(QTime time, QSize size)
    {
        Clock.setGeometry(0, 0, size.width(), size.height());
        Clock.SetBevelInner(BevelCut::None);
        Clock.SetBevelOuter(BevelCut::None);
        Clock.SetColor(White);
        Clock.SetShowMode(ClockShowMode::Analog);
        Clock.SetPixelAspect(1.0);
        Clock.SetTimeSource([time] { return time; });
    }
};

} // namespace

TEST(ClockGeometry, HourHandMovesEveryTwelveMinutes)
{
    EXPECT_EQ(HandPositions(3, 45, 10).Hour, 18);
    EXPECT_EQ(HandPositions(15, 45, 10).Hour, 18);
    EXPECT_EQ(HandPositions(3, 47, 0).Hour, 18);
    EXPECT_EQ(HandPositions(3, 48, 0).Hour, 19);
    EXPECT_EQ(HandPositions(0, 0, 0).Hour, 0);
    EXPECT_EQ(HandPositions(23, 59, 59).Hour, 59);
    EXPECT_EQ(HandPositions(10, 10, 30).Minute, 10);
    EXPECT_EQ(HandPositions(10, 10, 30).Second, 30);
}

TEST(ClockGeometry, DigitalTextAndDotColours)
{
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

TEST(ClockWidget, HandTipsPointAtTheTime)
{
    FixedClock fixed(QTime(3, 45, 30), QSize(120, 120));
    SetFontColor(fixed.Clock, Qt::black);
    const ClockFace face = fixed.Clock.Face();
    QImage image = Snapshot(fixed.Clock);
    const auto at = [&](int position, double percent) {
        const QPoint p = Pixel(face.At(position, percent));
        return PixelAt(image, p.x(), p.y());
    };
    // The hands are smoothed: their thin parts come out nearly black.
    const auto dark = [&](int position, double percent) { return RedOf(at(position, percent)) < 0x40; };
    EXPECT_TRUE(dark(45, 70)) << "minute hand towards nine";
    EXPECT_EQ(at(45, 86), White) << "and no further than 80 %";
    EXPECT_TRUE(dark(18, 50)) << "hour hand three fifths from three to four";
    EXPECT_EQ(at(18, 68), White);
    EXPECT_EQ(at(15, 50), White) << "not at three";
    EXPECT_EQ(at(30, 60), Black) << "second hand inverts the white face";

    fixed.Clock.SetShowSeconds(false);
    image = Snapshot(fixed.Clock);
    EXPECT_EQ(at(30, 60), White) << "gone as soon as seconds are off";
    EXPECT_TRUE(dark(45, 70));
}
