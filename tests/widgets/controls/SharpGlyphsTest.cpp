// Glyphs on a screen scaled by two: drawn from pictures with twice the pixels, in the place and
// size of the ordinary ones. Runs as its own test with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include "WidgetTesting.h"

#include "widgets/controls/ResourceBitmaps.h"
#include "widgets/controls/SpeedButton.h"

#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

using namespace widgets::controls;

using namespace widgets_test;

namespace {

// The bounding box, in device pixels, of the pixels that differ from the backdrop colour.
QRect Drawn(const QImage& image, QRgb backdrop)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != backdrop)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Whether every 2 x 2 block of device pixels has one colour, as in a picture upscaled twice.
bool UpscaledByTwo(const QImage& image)
{
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner || image.pixel(x + 1, y + 1) != corner)
                return false;
        }
    return true;
}

} // namespace

TEST(SharpGlyphs, ScaledScreensDrawGlyphsWithTwiceThePixelsInTheSamePlace)
{
    if (qGuiApp->devicePixelRatio() < 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    const QImage glyph = ResourceBitmap(QStringLiteral("TBEDIT"));
    ASSERT_EQ(glyph.devicePixelRatio(), 2);
    EXPECT_EQ(glyph.size(), glyph.deviceIndependentSize().toSize() * 2);

    const QColor ground(0x30, 0x50, 0x70);
    Backdrop backdrop(ground);
    SpeedButton button(&backdrop);
    button.resize(40, 40);
    button.SetFlat(true);
    button.SetTransparent(true);
    button.SetGlyph(glyph);
    button.SetNumGlyphs(1);
    const QImage painted = button.grab().toImage();
    ASSERT_EQ(painted.devicePixelRatio(), 2);

    const QRect drawn = Drawn(painted, ground.rgb());
    ASSERT_TRUE(drawn.isValid()) << "the glyph is drawn";
    const QRect logical(drawn.topLeft() / 2, drawn.size() / 2);
    EXPECT_LE(logical.width(), glyph.deviceIndependentSize().width() + 1) << "not drawn twice as large";
    EXPECT_TRUE(QRect(0, 0, 40, 40).contains(logical));
    EXPECT_FALSE(UpscaledByTwo(painted.copy(drawn.adjusted(-(drawn.x() % 2), -(drawn.y() % 2), 0, 0))))
        << "the glyph's edges use the device pixels";
}
