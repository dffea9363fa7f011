#include "model/look/Colors.h"
#include "widgets/controls/QtColors.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace model::look;
using namespace widgets::controls;

namespace {

void ExpectHSL(RgbColor colour, double h, double s, double l)
{
    const Hsl hsl = ColourToHSL(colour);
    EXPECT_NEAR(hsl.H, h, 1e-9) << std::hex << colour;
    EXPECT_NEAR(hsl.S, s, 1e-9) << std::hex << colour;
    EXPECT_NEAR(hsl.L, l, 1e-9) << std::hex << colour;
}

} // namespace

TEST(ColourToHSL, GivesHueSaturationAndLightnessAndWrapsANegativeHue)
{
    ExpectHSL(Red, 0, 1, 0.5);
    ExpectHSL(Lime, 1.0 / 3, 1, 0.5);
    ExpectHSL(Blue, 2.0 / 3, 1, 0.5);
    // Dark, so the saturation divides by max + min.
    ExpectHSL(RGBColor(64, 32, 16), 1.0 / 18, 0.6, 40.0 / 255);
    // Light, so it divides by 2 - max - min.
    ExpectHSL(RGBColor(255, 191, 127), 1.0 / 12, 1, 191.0 / 255);
    ExpectHSL(RGBColor(255, 0, 128), 1 - 128.0 / 255 / 6, 1, 0.5);
}

TEST(HSLToColour, WrapsHuesKeepsChannelsWithinAByteAndRoundTripsAFineLattice)
{
    EXPECT_EQ(HSLToColour({0.1, 1, 0.5}), RGBColor(255, 153, 0));
    EXPECT_EQ(HSLToColour({0.9, 1, 0.5}), RGBColor(255, 0, 153));
    EXPECT_EQ(HSLToColour({0, 0, 1.5}), White);
    EXPECT_EQ(HSLToColour({0, 1, 1.5}), White);
    EXPECT_EQ(HSLToColour({0, 1, 0.75}), RGBColor(255, 128, 128));
    for (int r = 0; r <= 255; r += 3)
        for (int g = 0; g <= 255; g += 3)
            for (int b = 0; b <= 255; b += 3)
                ASSERT_EQ(HSLToColour(ColourToHSL(RGBColor(r, g, b))), RGBColor(r, g, b)) << r << ", " << g << ", " << b;
}

TEST(LightenIfDark, LightensOnlyBelowAPositiveThreshold)
{
    // 30 / 255 is just below 0.12, 31 / 255 just above.
    EXPECT_EQ(LightenIfDark(RGBColor(31, 31, 31), 0.12, 95), RGBColor(31, 31, 31));
    EXPECT_EQ(LightenIfDark(RGBColor(20, 20, 20), 0.12, 95), RGBColor(39, 39, 39));
    // The hue and saturation stay: lightness 24/255 grows to 46.8/255 at saturation 0.5.
    EXPECT_EQ(LightenIfDark(RGBColor(36, 12, 12), 0.12, 95), RGBColor(70, 23, 23));
    EXPECT_EQ(LightenIfDark(RGBColor(100, 100, 100), 0, 50), RGBColor(150, 150, 150));
    EXPECT_EQ(LightenIfDark(RGBColor(200, 200, 200), -1, 95), White);
}

TEST(AverageColour, IncludesBothEndsDropsTheRemainderAndCountsOnlyPixelsInside)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 40; y <= 60; ++y)
        for (int x = 40; x <= 60; ++x)
            image.setPixelColor(x, y, QColor(11, 22, 33));
    image.setPixelColor(60, 60, QColor(10, 21, 32));
    // 441 pixels: 440 × 11 + 10 = 4850, and 4850 / 441 = 10.997.
    EXPECT_EQ(AverageColour(image, 40, 40, 60, 60), RGBColor(10, 21, 32));

    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(QColor(0, 0, 0));
    small.setPixelColor(9, 9, QColor(40, 80, 120));
    small.setPixelColor(8, 9, QColor(40, 80, 120));
    EXPECT_EQ(AverageColour(small, 8, 8, 20, 20), RGBColor(20, 40, 60));
    EXPECT_EQ(AverageColour(small, 10, 0, 12, 3), Black);
}
