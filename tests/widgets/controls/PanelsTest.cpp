#include "WidgetTesting.h"

#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/MarkupPanel.h"
#include "widgets/controls/QtColors.h"

#include <QLineEdit>
#include <QPainter>

#include <gtest/gtest.h>

using model::look::Black;
using model::look::Blue;
using model::look::ButtonHighlight;
using model::look::ButtonShadow;
using model::look::NoColor;
using model::look::Red;
using model::look::RGBColor;
using model::look::RgbColor;
using model::look::Silver;
using model::look::White;
using widgets::controls::BevelCut;
using widgets::controls::HatchedPanel;
using widgets::controls::HatchMode;
using widgets::controls::MarkupPanel;
using widgets::controls::PanelBorder;
using widgets::controls::ResolvedColor;

using widgets_test::Backdrop;
using widgets_test::PixelAt;
using widgets_test::Snapshot;

namespace {

// Every pixel tells where in the bitmap it is: red = x, green = y, blue = 0x40.
QImage PositionBitmap(int width, int height)
{
    QImage bitmap(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.setPixel(x, y, qRgb(x, y, 0x40));
    return bitmap;
}

RgbColor BitmapAt(int x, int y)
{
    return RGBColor(x, y, 0x40);
}

} // namespace

TEST(HatchedPanel, TilesRunWholePastTheRightAndBottomEdges)
{
    Backdrop backdrop(Qt::black, QSize(60, 400));
    HatchedPanel panel(&backdrop);
    panel.setGeometry(0, 0, 32, 373); // a 30 by 371 area inside the bevel width
    panel.SetBorder(PanelBorder::Bevels);
    panel.SetPictureInsideBevel(true);
    panel.SetPicture(PositionBitmap(32, 58));
    const QImage image = Snapshot(panel);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(PixelAt(image, 1, 1 + 58 * k), BitmapAt(0, 0)) << "tile " << k;
    EXPECT_EQ(PixelAt(image, 1, 371), BitmapAt(0, 22)) << "the seventh tile runs over the bottom bevel";
    EXPECT_EQ(PixelAt(image, 31, 5), BitmapAt(30, 4)) << "and the column over the right bevel";
    EXPECT_EQ(PixelAt(image, 0, 0), ResolvedColor(ButtonHighlight, NoColor)) << "the bevel outside the area stays";
}

TEST(HatchedPanel, StretchedPictureFillsTheAreaInsideTheBevel)
{
    Backdrop backdrop;
    HatchedPanel panel(&backdrop);
    panel.setGeometry(0, 0, 42, 22);
    panel.SetMode(HatchMode::Stretched);
    panel.SetPictureInsideBevel(true);
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    panel.SetPicture(bitmap);
    const QImage image = Snapshot(panel);
    EXPECT_EQ(PixelAt(image, 1, 1), Red);
    EXPECT_EQ(PixelAt(image, 40, 20), Red);
    EXPECT_NE(PixelAt(image, 41, 21), Red);
}

TEST(HatchedPanel, WithoutPictureLooksLikeAStandardPanel)
{
    Backdrop backdrop;
    HatchedPanel panel(&backdrop);
    panel.setGeometry(0, 0, 50, 30);
    panel.SetColor(Silver);
    panel.SetBorder(PanelBorder::Bevels);
    const QImage image = Snapshot(panel);
    EXPECT_EQ(PixelAt(image, 0, 0), ResolvedColor(ButtonHighlight, NoColor));
    EXPECT_EQ(PixelAt(image, 49, 29), ResolvedColor(ButtonShadow, NoColor));
    EXPECT_EQ(PixelAt(image, 25, 15), Silver);
}

TEST(HatchedPanel, BordersFollowTheirModeWhateverTheBevels)
{
    Backdrop backdrop;
    HatchedPanel panel(&backdrop);
    panel.setGeometry(0, 0, 50, 30);
    panel.SetColor(White);
    panel.SetBevelOuter(BevelCut::Lowered);
    panel.SetBevelInner(BevelCut::Raised);
    EXPECT_EQ(PixelAt(Snapshot(panel), 0, 0), White) << "no border at all";

    panel.SetBorder(PanelBorder::Flat);
    QImage image = Snapshot(panel);
    for (const QPoint p : {QPoint(0, 0), QPoint(49, 0), QPoint(0, 29), QPoint(49, 29), QPoint(25, 29)})
        EXPECT_EQ(PixelAt(image, p.x(), p.y()), Black) << p.x() << "," << p.y();
    EXPECT_EQ(PixelAt(image, 1, 1), White) << "one pixel wide";

    panel.SetBorder(PanelBorder::Bevels);
    image = Snapshot(panel);
    const RgbColor shadow = ResolvedColor(ButtonShadow, NoColor);
    const RgbColor highlight = ResolvedColor(ButtonHighlight, NoColor);
    EXPECT_EQ(PixelAt(image, 0, 0), shadow) << "lowered outer bevel";
    EXPECT_EQ(PixelAt(image, 49, 29), highlight);
    EXPECT_EQ(PixelAt(image, 1, 1), highlight) << "raised inner bevel";
    EXPECT_EQ(PixelAt(image, 48, 28), shadow);
}

TEST(HatchedPanel, TransparentPanelShowsItsParent)
{
    Backdrop backdrop(QColor(0x30, 0x50, 0x70));
    HatchedPanel panel(&backdrop);
    panel.setGeometry(10, 10, 50, 30);
    panel.SetColor(White);
    panel.SetPicture(PositionBitmap(8, 8));
    panel.SetTransparent(true);
    EXPECT_EQ(PixelAt(Snapshot(panel), 20, 15), RGBColor(0x30, 0x50, 0x70));
    panel.SetTransparent(false);
    EXPECT_EQ(PixelAt(Snapshot(panel), 20, 15), BitmapAt(4, 7)) << "tiles from the top-left corner, no inset";
}

TEST(HatchedPanel, ControlEnabledHandsTheStateToTheControlsPlacedDirectlyOnIt)
{
    for (const bool controlEnabled : {true, false}) {
        SCOPED_TRACE(controlEnabled);
        Backdrop backdrop;
        HatchedPanel panel(&backdrop);
        QLineEdit direct(&panel);
        HatchedPanel inner(&panel);
        QLineEdit nested(&inner);
        panel.SetControlEnabled(controlEnabled);
        direct.setEnabled(false); // made disabled on its own before

        panel.setEnabled(false);
        EXPECT_FALSE(direct.isEnabled());
        EXPECT_FALSE(nested.isEnabled());
        EXPECT_FALSE(nested.testAttribute(Qt::WA_ForceDisabled)) << "only direct children are set";
        EXPECT_EQ(inner.testAttribute(Qt::WA_ForceDisabled), controlEnabled);

        panel.setEnabled(true);
        EXPECT_EQ(direct.isEnabled(), controlEnabled) << "set to the panel's state only with ControlEnabled";
        EXPECT_TRUE(nested.isEnabled());
    }
}

TEST(MarkupPanel, DrawsMarkedUpRunsInTheirColours)
{
    Backdrop backdrop;
    MarkupPanel panel(&backdrop);
    panel.SetColor(White);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(14);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    panel.setFont(font);
    panel.SetMarkupLines({QStringLiteral("<font color=\"red\">MMM</font> <font color=\"#0000ff\">MMM</font>")});
    ASSERT_FALSE(panel.PreparedText().empty());
    EXPECT_EQ(panel.Elements()[0].FontStyle, 0u) << "the base font's style is not carried over";

    const QImage image = Snapshot(panel);
    int red = 0;
    int blue = 0;
    int firstRed = 200;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const RgbColor c = PixelAt(image, x, y);
            red += c == Red;
            blue += c == Blue;
            if (c == Red)
                firstRed = std::min(firstRed, x);
        }
    EXPECT_GT(red, 20);
    EXPECT_GT(blue, 20);
    EXPECT_GE(firstRed, panel.Margin());

    panel.SetMarkupLines({});
    const QImage empty = Snapshot(panel);
    for (int x = 0; x < 200; ++x)
        ASSERT_EQ(PixelAt(empty, x, 12), White);
}

TEST(MarkupPanel, LineBreaksDecideWhetherMarkupLinesBreak)
{
    MarkupPanel panel;
    panel.SetMarkupLines({QStringLiteral("Hello"), QStringLiteral("World")});
    EXPECT_TRUE(panel.Elements()[1].BreakLine);
    panel.SetLineBreaks(false);
    EXPECT_EQ(panel.Elements()[0].Text, "Hello World ");
}
