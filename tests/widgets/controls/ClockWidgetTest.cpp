#include "WidgetTesting.h"

#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/QtColors.h"

#include <gtest/gtest.h>

#include <cmath>

using model::look::Black;
using model::look::ClockFace;
using model::look::ClockPoint;
using model::look::ClockSampleText;
using model::look::ClockText;
using model::look::HandPositions;
using model::look::LighterDotColor;
using model::look::Red;
using model::look::RedOf;
using model::look::RGBColor;
using model::look::Teal;
using model::look::White;
using widgets::controls::BevelCut;
using widgets::controls::ClockShowMode;
using widgets::controls::ClockWidget;
using widgets::controls::SetFontColor;

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

TEST(ClockGeometry, FaceIsPhysicallySquareAndCentred)
{
    const ClockFace wide({0, 0, 100, 60}, 1.0);
    EXPECT_EQ(wide.Face().Left, 20);
    EXPECT_EQ(wide.Face().Width, 60);
    EXPECT_DOUBLE_EQ(wide.Radius(), 30);
    EXPECT_DOUBLE_EQ(wide.Centre().X, 50);

    // Pixels a quarter wider than tall: a round face is 75 pixels across, 60 down.
    const ClockFace stretched({0, 0, 100, 60}, 1.25);
    EXPECT_EQ(stretched.Face().Width, 75);
    EXPECT_EQ(stretched.Face().Left, 12);
    EXPECT_NEAR(stretched.At(0, 100).Y, 30 - 30, 1e-9);
    EXPECT_NEAR(stretched.At(15, 100).X, 12 + 37.5 + 37.5, 1e-9);

    const ClockFace tall({0, 0, 40, 90}, 1.0);
    EXPECT_EQ(tall.Face().Top, 25);
    EXPECT_EQ(tall.Face().Height, 40);
}

TEST(ClockGeometry, HandsAreKitesOfTheirDesignedLengths)
{
    const ClockFace face({0, 0, 100, 100}, 1.0);
    const auto hour = face.HourHand(15); // three o'clock
    EXPECT_NEAR(hour[0].X, 50 + 30, 1e-9);
    EXPECT_NEAR(hour[0].Y, 50, 1e-9);
    EXPECT_NEAR(hour[1].Y, 50 + 3.5, 1e-9) << "side 7 % out, a quarter turn on";
    EXPECT_NEAR(hour[2].X, 50 - 7.5, 1e-9) << "tail 15 % on the opposite side";
    const auto minute = face.MinuteHand(0);
    EXPECT_NEAR(minute[0].Y, 50 - 40, 1e-9);
    EXPECT_NEAR(minute[2].Y, 50 + 10, 1e-9);
    EXPECT_NEAR(minute[3].X, 50 - 2.5, 1e-9);
    const auto second = face.SecondHand(45);
    EXPECT_NEAR(second[1].X, 50 - 40, 1e-9);
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

TEST(ClockWidget, HourMarksAreDrawnInTheDotsColourAtTheEdge)
{
    FixedClock fixed(QTime(10, 10, 0), QSize(120, 120));
    fixed.Clock.SetShowSeconds(false);
    const QImage image = Snapshot(fixed.Clock);
    bool teal = false;
    for (int y = 0; y < 12; ++y)
        teal = teal || PixelAt(image, 60, y) == Teal || PixelAt(image, 59, y) == Teal;
    EXPECT_TRUE(teal) << "the twelve o'clock mark";
}

TEST(ClockWidget, WideClockDrawsARoundFaceCentredHorizontally)
{
    FixedClock fixed(QTime(10, 10, 0), QSize(160, 70));
    EXPECT_EQ(fixed.Clock.Face().Face().Left, 45);
    const QImage image = Snapshot(fixed.Clock);
    for (int y = 0; y < 70; ++y)
        for (int x : {0, 20, 43, 116, 140, 159})
            ASSERT_EQ(PixelAt(image, x, y), White) << x << "," << y;
}

TEST(ClockWidget, DigitalTextIsSizedToFitTheWidth)
{
    Backdrop backdrop;
    ClockWidget clock(&backdrop);
    clock.setGeometry(0, 0, 140, 60);
    clock.SetBevelInner(BevelCut::None);
    clock.SetBevelOuter(BevelCut::None);
    clock.SetColor(White);
    SetFontColor(clock, Qt::black);
    clock.SetTimeSource([] { return QTime(23, 58, 59); });
    EXPECT_EQ(clock.DigitalText(), QStringLiteral("23:58:59"));
    const QImage image = Snapshot(clock);
    int left = 140;
    int right = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 140; ++x)
            if (RedOf(PixelAt(image, x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GE(left, 12);
    EXPECT_LE(right, 128);
    EXPECT_GT(right - left, 70) << "and fills the width";
}
