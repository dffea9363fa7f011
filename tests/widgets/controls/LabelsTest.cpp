#include "WidgetTesting.h"

#include "widgets/controls/GlowLabel.h"
#include "widgets/controls/ShadowLabel.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/QtColors.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using model::look::Black;
using model::look::Fuchsia;
using model::look::Lime;
using model::look::Red;
using model::look::RedOf;
using model::look::RGBColor;
using model::look::RgbColor;
using model::look::White;
using widgets::controls::GlowLabel;
using widgets::controls::SetFontColor;
using widgets::controls::ShadowLabel;
using widgets::controls::ToolButton;

using widgets_test::Backdrop;
using widgets_test::Hover;
using widgets_test::PixelAt;
using widgets_test::Snapshot;

namespace {

QFont CrispFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

std::set<std::pair<int, int>> PixelsOf(const QImage& image, RgbColor color)
{
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == color)
                found.insert({x, y});
    return found;
}

} // namespace

TEST(GlowLabel, GlowsDiagonallyAroundTheTextWhileHot)
{
    Backdrop backdrop(Qt::white);
    GlowLabel label(&backdrop);
    label.setGeometry(10, 10, 60, 24);
    label.setFont(CrispFont(16));
    label.SetCaption(QStringLiteral("Hi"));
    label.SetColor(White);
    label.SetGlowColor(Red);
    SetFontColor(label, Qt::black);
    EXPECT_TRUE(PixelsOf(Snapshot(label), Red).empty());

    QSignalSpy entered(&label, &GlowLabel::OnMouseEnter);
    Hover(label, true);
    EXPECT_EQ(entered.count(), 1);
    const QImage hot = Snapshot(label);
    const auto text = PixelsOf(hot, Black);
    const auto glow = PixelsOf(hot, Red);
    ASSERT_FALSE(text.empty());
    ASSERT_FALSE(glow.empty());
    for (const auto& [x, y] : text)
        for (const auto& [dx, dy] : {std::pair{1, 1}, {-1, -1}, {-1, 1}, {1, -1}}) {
            const std::pair<int, int> around{x + dx, y + dy};
            EXPECT_TRUE(text.count(around) + glow.count(around) > 0) << x << "," << y;
        }
    for (const auto& [x, y] : glow) {
        bool nearText = false;
        for (const auto& [dx, dy] : {std::pair{1, 1}, {-1, -1}, {-1, 1}, {1, -1}})
            nearText = nearText || text.count({x - dx, y - dy}) > 0;
        EXPECT_TRUE(nearText) << "halo pixel " << x << "," << y << " is no diagonal neighbour of the text";
    }

    label.setEnabled(false);
    EXPECT_TRUE(PixelsOf(Snapshot(label), Red).empty()) << "a disabled label does not glow";
    Hover(label, false);
    label.setEnabled(true);
    label.SetGlowAlways(true);
    EXPECT_FALSE(PixelsOf(Snapshot(label), Red).empty());
}

TEST(ShadowLabel, DrawsItsShadowRightAndBelowTheText)
{
    Backdrop backdrop(Qt::black);
    ShadowLabel label(&backdrop);
    label.setGeometry(0, 0, 207, 25);
    label.setFont(CrispFont(16, true));
    label.SetCaption(QStringLiteral("Monday, 5 March"));
    SetFontColor(label, QColor(253, 255, 230));
    const QImage image = Snapshot(label);
    const auto text = PixelsOf(image, RGBColor(253, 255, 230));
    const auto shadow = PixelsOf(image, RGBColor(64, 0, 0));
    ASSERT_FALSE(text.empty());
    ASSERT_FALSE(shadow.empty());
    for (const auto& [x, y] : shadow)
        EXPECT_TRUE(text.count({x - 1, y - 1}) > 0 || text.count({x, y}) > 0);
    int left = 207;
    int right = 0;
    for (const auto& p : text) {
        left = std::min(left, p.first);
        right = std::max(right, p.first);
    }
    EXPECT_NEAR(left, 206 - right, 3) << "centred";
}

TEST(ToolButton, LitWhileHotSunkenWhilePressedAndClickedOnRelease)
{
    Backdrop backdrop(QColor(0x30, 0x40, 0x60));
    ToolButton button(&backdrop);
    button.setGeometry(10, 10, 52, 46);
    button.SetCaption(QStringLiteral("Edit"));
    const QPoint probe(4, 40);
    const int idle = RedOf(PixelAt(Snapshot(button), probe.x(), probe.y()));
    EXPECT_EQ(idle, 0x30) << "transparent while idle";

    Hover(button, true);
    EXPECT_GT(RedOf(PixelAt(Snapshot(button), probe.x(), probe.y())), idle);
    QSignalSpy clicks(&button, &ToolButton::OnClick);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_LT(RedOf(PixelAt(Snapshot(button), probe.x(), probe.y())), idle);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks.count(), 1);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(RedOf(PixelAt(Snapshot(button), probe.x(), probe.y())), idle);
}

TEST(ToolButton, CaptionIsWhiteBelowTheGlyph)
{
    Backdrop backdrop(Qt::black);
    ToolButton button(&backdrop);
    button.setGeometry(0, 0, 52, 46);
    QImage glyph(24, 24, QImage::Format_RGB32);
    glyph.fill(Qt::green);
    glyph.setPixel(0, 23, qRgb(255, 0, 255));
    button.SetGlyph(glyph);
    button.SetCaption(QStringLiteral("Tools"));
    const QImage image = Snapshot(button);
    const auto green = PixelsOf(image, Lime);
    ASSERT_FALSE(green.empty());
    int glyphBottom = 0;
    for (const auto& p : green)
        glyphBottom = std::max(glyphBottom, p.second);
    int textTop = 46;
    for (const auto& p : PixelsOf(image, White))
        textTop = std::min(textTop, p.second);
    EXPECT_GT(textTop, glyphBottom);
    EXPECT_TRUE(PixelsOf(image, Fuchsia).empty()) << "the glyph's key colour is clear";
}
