#include "WidgetTesting.h"

#include "widgets/controls/SkinButton.h"
#include "widgets/controls/SpeedButton.h"
#include "widgets/controls/QtColors.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using model::look::Black;
using model::look::Blue;
using model::look::ButtonFace;
using model::look::Fuchsia;
using model::look::Gray;
using model::look::Lime;
using model::look::NoColor;
using model::look::Red;
using model::look::RGBColor;
using model::look::RgbColor;
using model::look::Silver;
using model::look::White;
using model::look::Yellow;
using widgets::controls::ButtonColorStyle;
using widgets::controls::ButtonKind;
using widgets::controls::ButtonLayout;
using widgets::controls::ButtonPlacement;
using widgets::controls::ButtonPlacementInput;
using widgets::controls::ButtonStyle;
using widgets::controls::CustomButton;
using widgets::controls::DialogResult;
using widgets::controls::FittedCaption;
using widgets::controls::FittingCaptionLength;
using widgets::controls::GlyphCell;
using widgets::controls::GradientBands;
using widgets::controls::HorizontalAlignment;
using widgets::controls::PlaceGlyphAndCaption;
using widgets::controls::ResolvedColor;
using widgets::controls::SetFontColor;
using widgets::controls::SkinButton;
using widgets::controls::SpeedButton;

using widgets_test::Backdrop;
using widgets_test::Hover;
using widgets_test::PixelAt;
using widgets_test::Snapshot;

namespace {

constexpr RgbColor BackdropColour = RGBColor(0x30, 0x50, 0x70);

// A glyph of `cells` square cells of 8 pixels, cell k filled with colours[k], with one pixel of
// key colour in each cell's bottom-left corner.
QImage CellGlyph(const std::vector<QColor>& colours)
{
    QImage glyph(8 * static_cast<int>(colours.size()), 8, QImage::Format_RGB32);
    for (int k = 0; k < static_cast<int>(colours.size()); ++k) {
        QPainter(&glyph).fillRect(8 * k, 0, 8, 8, colours[k]);
        glyph.setPixel(8 * k, 7, qRgb(0xFF, 0x00, 0xFF));
    }
    return glyph;
}

} // namespace

TEST(ButtonStyles, GlyphCellFollowsStateWithDownBeatingHot)
{
    EXPECT_EQ(GlyphCell(4, true, false, false), 0);
    EXPECT_EQ(GlyphCell(4, true, true, false), 3);
    EXPECT_EQ(GlyphCell(4, true, false, true), 2);
    EXPECT_EQ(GlyphCell(4, true, true, true), 2);
    EXPECT_EQ(GlyphCell(4, false, true, true), 1);
    for (bool enabled : {false, true})
        for (bool hot : {false, true})
            EXPECT_EQ(GlyphCell(1, enabled, hot, hot), 0);
    EXPECT_EQ(GlyphCell(3, true, true, false), 0); // a hot cell needs four cells
}

TEST(ButtonStyles, GradientBandsCoverTheSpanWithoutGapsFromFirstToLastColour)
{
    for (const auto& [top, bottom] : {std::pair{2, 7}, std::pair{7, 22}, std::pair{2, 50}, std::pair{10, 11}}) {
        const auto bands = GradientBands(top, bottom, White, Black);
        ASSERT_FALSE(bands.empty());
        EXPECT_EQ(bands.front().Top, top);
        EXPECT_EQ(bands.front().Color, White);
        int covered = top;
        for (const auto& band : bands) {
            EXPECT_LE(band.Top, covered) << "gap above row " << band.Top;
            covered = std::max(covered, band.Top + band.Height);
        }
        EXPECT_EQ(covered, bottom) << "bands must stop at the gradient's bottom";
    }
    const auto bands = GradientBands(0, 62, White, Black);
    EXPECT_EQ(bands[16].Color, RGBColor(123, 123, 123));
    EXPECT_EQ(bands[16].Top, 32);
    EXPECT_EQ(bands[16].Height, 3);
    EXPECT_EQ(bands.size(), 31u) << "the last band starts at the bottom and is cut away";
}

TEST(ButtonStyles, CaptionLosesCharactersFromItsEndOnly)
{
    const auto sevenEach = [](std::size_t n) { return static_cast<int>(7 * n); };
    EXPECT_EQ(FittingCaptionLength(30, 92, sevenEach), 13u);
    EXPECT_EQ(FittingCaptionLength(5, 92, sevenEach), 5u);
    EXPECT_EQ(FittingCaptionLength(5, 0, sevenEach), 0u);

    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 9));
    const QString longCaption = QStringLiteral("A caption much too long for a hundred pixels");
    const QString fitted = FittedCaption(longCaption, metrics, 92);
    EXPECT_TRUE(longCaption.startsWith(fitted));
    EXPECT_LT(fitted.size(), longCaption.size());
    EXPECT_LE(metrics.horizontalAdvance(fitted), 92);
    EXPECT_GT(metrics.horizontalAdvance(longCaption.left(fitted.size() + 1)), 92);
    EXPECT_FALSE(fitted.contains(QChar(0x2026)));
}

TEST(ButtonStyles, CentredGlyphSitsFourPixelsLeftOfTheCentredCaption)
{
    ButtonPlacementInput in{100, 23, 16, 16, 40, 14, true, false, false, ButtonStyle::Normal,
                         ButtonLayout::GlyphLeft, HorizontalAlignment::Center};
    const ButtonPlacement up = PlaceGlyphAndCaption(in);
    const int textLeft = up.TextX + (up.TextWidthLimit - in.TextWidth) / 2;
    EXPECT_EQ(textLeft - (up.GlyphX + in.GlyphWidth), 4);
    EXPECT_EQ(up.GlyphY, (23 - 16) / 2);

    in.Layout = ButtonLayout::GlyphRight;
    const ButtonPlacement right = PlaceGlyphAndCaption(in);
    const int textRight = right.TextX + (right.TextWidthLimit + in.TextWidth) / 2;
    EXPECT_EQ(right.GlyphX - textRight, 4);

    in.Down = true;
    const ButtonPlacement down = PlaceGlyphAndCaption(in);
    EXPECT_EQ(down.GlyphX, right.GlyphX + 1);
    EXPECT_EQ(down.GlyphY, right.GlyphY + 1);
    in.Style = ButtonStyle::BoldWhenDown; // never shifts
    EXPECT_EQ(PlaceGlyphAndCaption(in).GlyphX, right.GlyphX);
}

TEST(ButtonStyles, GlyphAboveCaptionAsOneCentredBlock)
{
    const ButtonPlacementInput in{52, 46, 24, 24, 30, 14, true, false, false, ButtonStyle::Normal,
                               ButtonLayout::GlyphTop, HorizontalAlignment::Center};
    const ButtonPlacement p = PlaceGlyphAndCaption(in);
    EXPECT_EQ(p.GlyphX, 14);
    EXPECT_EQ(p.GlyphY, (46 - (14 + 24 + 4)) / 2);
    EXPECT_EQ(p.TextY, p.GlyphY + 24);
}

TEST(SpeedButton, ModernStyleDrawsGradientBandsInsideARoundedFrame)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.setGeometry(10, 10, 84, 40);
    button.SetColorStyle(ButtonColorStyle::Chrome); // face silver, light white, shadow gray
    EXPECT_EQ(button.Style(), ButtonStyle::Modern);
    EXPECT_EQ(button.Alignment(), HorizontalAlignment::Center);
    const QImage image = Snapshot(button);

    EXPECT_EQ(PixelAt(image, 0, 0), BackdropColour) << "rounded corners show the parent";
    EXPECT_EQ(PixelAt(image, 83, 39), BackdropColour);
    EXPECT_EQ(PixelAt(image, 1, 1), Gray);
    EXPECT_EQ(PixelAt(image, 40, 0), Gray);
    EXPECT_EQ(PixelAt(image, 0, 20), Gray);
    EXPECT_EQ(PixelAt(image, 83, 20), Gray);
    EXPECT_EQ(PixelAt(image, 40, 1), Silver) << "inner frame in the face colour";
    // Later bands overwrite earlier ones where several start on the same row.
    EXPECT_EQ(PixelAt(image, 5, 2), RGBColor(0xF9, 0xF9, 0xF9)) << "gradient starts light";
    EXPECT_EQ(PixelAt(image, 5, 9), RGBColor(0xC2, 0xC2, 0xC2));
    EXPECT_EQ(PixelAt(image, 5, 10), RGBColor(0xC2, 0xC2, 0xC2)) << "near the face colour a quarter down";
    EXPECT_EQ(PixelAt(image, 5, 37), RGBColor(0xFB, 0xFB, 0xFB)) << "and light again at the bottom";
    EXPECT_EQ(PixelAt(image, 1, 20), Silver);
    EXPECT_EQ(PixelAt(image, 2, 20), PixelAt(image, 81, 20)) << "gradient from x = 2 to W - 2";

    button.SetDown(true);
    const QImage down = Snapshot(button);
    EXPECT_EQ(PixelAt(down, 40, 1), Gray) << "inner frame in the shadow colour while down";
    EXPECT_EQ(PixelAt(down, 5, 9), RGBColor(0xC8, 0xC8, 0xC8)) << "the gradient's middle moves down one pixel";
}

TEST(SpeedButton, UltraFlatShowsItsFrameOnlyWhileHotOrDown)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.setGeometry(10, 10, 60, 23);
    button.SetColorStyle(ButtonColorStyle::UltraFlat1);
    ASSERT_TRUE(button.Flat());
    const RgbColor frame = RGBColor(0x84, 0x92, 0xB5);
    const RgbColor face = ResolvedColor(ButtonFace, NoColor);

    QImage image = Snapshot(button);
    EXPECT_EQ(PixelAt(image, 0, 0), face);
    EXPECT_EQ(PixelAt(image, 59, 22), face);

    QSignalSpy entered(&button, &CustomButton::OnMouseEnter);
    QSignalSpy left(&button, &CustomButton::OnMouseExit);
    Hover(button, true);
    image = Snapshot(button);
    EXPECT_EQ(PixelAt(image, 0, 0), frame);
    EXPECT_EQ(PixelAt(image, 59, 22), frame);
    EXPECT_EQ(PixelAt(image, 30, 5), RGBColor(0xD6, 0xD3, 0xDE));

    button.SetDown(true);
    EXPECT_EQ(PixelAt(Snapshot(button), 30, 5), frame) << "face in ColorWhenDown";

    button.SetDown(false);
    Hover(button, false);
    EXPECT_EQ(PixelAt(Snapshot(button), 0, 0), face);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST(SpeedButton, NormalStyleFrameIsLightTopLeftAndShadowBottomRightSwappedWhileDown)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.setGeometry(10, 10, 40, 20);
    button.SetColor(Silver);
    button.SetShadowColor(Black);
    QImage image = Snapshot(button);
    EXPECT_EQ(PixelAt(image, 0, 0), White);
    EXPECT_EQ(PixelAt(image, 0, 18), White);
    EXPECT_EQ(PixelAt(image, 39, 0), Black);
    EXPECT_EQ(PixelAt(image, 20, 19), Black);
    EXPECT_EQ(PixelAt(image, 20, 10), Silver);
    button.SetDown(true);
    image = Snapshot(button);
    EXPECT_EQ(PixelAt(image, 0, 0), Black);
    EXPECT_EQ(PixelAt(image, 20, 19), White);
}

TEST(SpeedButton, ShowsTheGlyphCellOfItsState)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.setGeometry(10, 10, 40, 20);
    button.SetGlyph(CellGlyph({Qt::red, Qt::green, Qt::blue, Qt::yellow}));
    EXPECT_EQ(button.NumGlyphs(), 4);
    // Left layout, left alignment: glyph at x = 4 (+1 when down), centred vertically.
    const auto cellColour = [&](int offset) { return PixelAt(Snapshot(button), 8 + offset, 9 + offset); };
    EXPECT_EQ(cellColour(0), Red);
    Hover(button, true);
    EXPECT_EQ(cellColour(0), Yellow);
    button.SetDown(true);
    EXPECT_EQ(cellColour(1), Blue);
    button.setEnabled(false);
    EXPECT_EQ(cellColour(0), Lime) << "disabled: cell 1, and never drawn down";

    button.setEnabled(true);
    button.SetDown(false);
    Hover(button, false);
    button.SetGlyph(CellGlyph({Qt::red}));
    Hover(button, true);
    EXPECT_EQ(cellColour(0), Red);
    EXPECT_NE(PixelAt(Snapshot(button), 4, 13), Fuchsia) << "key colour is clear";
}

TEST(SpeedButton, DisabledButtonDrawsGrayCaptionAndIsNeverDown)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.setGeometry(10, 10, 80, 23);
    button.SetColor(White);
    button.SetColorWhenDown(Yellow);
    button.SetCaption(QStringLiteral("MMMM"));
    SetFontColor(button, Qt::black);
    button.SetDown(true);
    button.setEnabled(false);
    const QImage image = Snapshot(button);
    EXPECT_EQ(PixelAt(image, 40, 3), White) << "not the down colour";
    bool gray = false;
    bool black = false;
    for (int y = 2; y < 21; ++y)
        for (int x = 3; x < 60; ++x) {
            gray = gray || PixelAt(image, x, y) == Gray;
            black = black || PixelAt(image, x, y) == Black;
        }
    EXPECT_TRUE(gray);
    EXPECT_FALSE(black);
}

TEST(SpeedButton, GroupedButtonsReleaseEachOtherAndAllowAllUpDecidesTheLast)
{
    Backdrop backdrop;
    SpeedButton first(&backdrop);
    SpeedButton second(&backdrop);
    SpeedButton elsewhere(&backdrop);
    first.setGeometry(0, 0, 30, 20);
    second.setGeometry(40, 0, 30, 20);
    elsewhere.setGeometry(80, 0, 30, 20);
    for (auto* button : {&first, &second})
        button->SetGroupIndex(1);
    elsewhere.SetGroupIndex(2);
    elsewhere.SetDown(true);

    QTest::mouseClick(&first, Qt::LeftButton);
    EXPECT_TRUE(first.Down());
    QTest::mouseClick(&second, Qt::LeftButton);
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());
    EXPECT_TRUE(elsewhere.Down()) << "another group is untouched";

    QTest::mouseClick(&second, Qt::LeftButton);
    EXPECT_TRUE(second.Down()) << "without AllowAllUp one stays down";
    second.SetAllowAllUp(true);
    QTest::mouseClick(&second, Qt::LeftButton);
    EXPECT_FALSE(second.Down());
}

TEST(SpeedButton, UngroupedButtonIsDownOnlyWhileHeldAndClicksOnReleaseInside)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.setGeometry(10, 10, 40, 20);
    QSignalSpy clicks(&button, &SpeedButton::OnClick);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button.Down());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_EQ(clicks.count(), 1) << "released outside: no click";
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SpeedButton, AcceleratorClicksAndRestoresTheDownState)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.SetCaption(QStringLiteral("&Next >"));
    QSignalSpy clicks(&button, &SpeedButton::OnClick);
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    QTest::keyClick(&backdrop, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.Down());
}

TEST(SkinButton, KindSetsCaptionGlyphAndModalResultUntilModalResultIsSetDirectly)
{
    SkinButton button;
    button.SetKind(ButtonKind::Retry);
    const QString caption = button.Caption();
    EXPECT_FALSE(caption.isEmpty());
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.ModalResult(), DialogResult::Retry);
    EXPECT_FALSE(button.Glyph().isNull());
    EXPECT_EQ(button.Glyph().width(), 2 * button.Glyph().height());
    button.SetModalResult(DialogResult::Ok);
    EXPECT_EQ(button.Kind(), ButtonKind::Custom);
    EXPECT_EQ(button.Caption(), caption);

    button.SetKind(ButtonKind::Close);
    EXPECT_EQ(button.Caption(), QString::fromUtf8("Schlie\xC3\x9F" "en")) << "captions are UTF-8";
    EXPECT_EQ(button.ModalResult(), DialogResult::None);
}

TEST(SkinButton, EveryKindHasItsGlyph)
{
    for (int k = static_cast<int>(ButtonKind::Ok); k <= static_cast<int>(ButtonKind::All); ++k) {
        SkinButton button;
        button.SetKind(static_cast<ButtonKind>(k));
        EXPECT_FALSE(button.Glyph().isNull()) << "kind " << k;
        EXPECT_EQ(qAlpha(button.Glyph().pixel(0, button.Glyph().height() - 1)), 0);
    }
}

TEST(SkinButton, ClickHandsTheModalResultToItsDialog)
{
    QDialog dialog;
    SkinButton ok(&dialog);
    ok.SetKind(ButtonKind::Ok);
    dialog.show();
    QSignalSpy clicks(&ok, &SkinButton::OnClick);
    QTest::mouseClick(&ok, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(SkinButton, PressedByMouseClicksOnReleaseEvenOutside)
{
    Backdrop backdrop;
    SkinButton button(&backdrop);
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    QSignalSpy clicks(&button, &SkinButton::OnClick);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button.hasFocus());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SkinButton, SpaceAndEnterClickTheFocusedButtonOnRelease)
{
    Backdrop backdrop;
    SkinButton button(&backdrop);
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    button.setFocus();
    QSignalSpy clicks(&button, &SkinButton::OnClick);
    QTest::keyPress(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
}

struct DefaultKeyCase {
    const char* Focused;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    int ClicksOfDefault;
    int ClicksOfCancel;
};

class SkinButtonWindowKeysTest : public testing::TestWithParam<DefaultKeyCase> {};

TEST_P(SkinButtonWindowKeysTest, DefaultAndCancelButtonsAnswerEnterAndEscape)
{
    const DefaultKeyCase& c = GetParam();
    Backdrop backdrop;
    QLineEdit edit(&backdrop);
    QPushButton push(QStringLiteral("push"), &backdrop);
    QRadioButton radio(QStringLiteral("radio"), &backdrop);
    edit.move(0, 60);
    push.move(0, 90);
    radio.move(0, 120);
    SkinButton ok(&backdrop);
    SkinButton cancel(&backdrop);
    cancel.move(110, 0);
    ok.SetDefault(true);
    cancel.SetCancel(true);
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    QWidget* focus = std::string(c.Focused) == "edit"   ? static_cast<QWidget*>(&edit)
                     : std::string(c.Focused) == "push" ? static_cast<QWidget*>(&push)
                                                        : static_cast<QWidget*>(&radio);
    focus->setFocus();
    QSignalSpy okClicks(&ok, &SkinButton::OnClick);
    QSignalSpy cancelClicks(&cancel, &SkinButton::OnClick);
    QTest::keyClick(focus, c.Key, c.Modifiers);
    EXPECT_EQ(okClicks.count(), c.ClicksOfDefault);
    EXPECT_EQ(cancelClicks.count(), c.ClicksOfCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Focus, SkinButtonWindowKeysTest,
    testing::Values(DefaultKeyCase{"edit", Qt::Key_Return, Qt::NoModifier, 1, 0},
                    DefaultKeyCase{"radio", Qt::Key_Return, Qt::NoModifier, 1, 0},
                    DefaultKeyCase{"push", Qt::Key_Return, Qt::NoModifier, 0, 0},
                    DefaultKeyCase{"edit", Qt::Key_Escape, Qt::NoModifier, 0, 1},
                    DefaultKeyCase{"edit", Qt::Key_Escape, Qt::ShiftModifier, 0, 0},
                    DefaultKeyCase{"push", Qt::Key_Escape, Qt::NoModifier, 0, 0}),
    [](const testing::TestParamInfo<DefaultKeyCase>& info) {
        const DefaultKeyCase& c = info.param;
        return std::string(c.Focused) + (c.Key == Qt::Key_Return ? "Enter" : "Escape") +
               (c.Modifiers == Qt::NoModifier ? "" : "Shift");
    });

TEST(SkinButton, FocusedOldStyleButtonGetsABlackFrame)
{
    Backdrop backdrop;
    SkinButton button(&backdrop);
    button.setGeometry(10, 10, 80, 25);
    button.SetStyle(ButtonStyle::Old);
    button.SetLightColor(White);
    EXPECT_EQ(PixelAt(Snapshot(button), 0, 0), White);
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    button.setFocus();
    const QImage image = Snapshot(button);
    EXPECT_EQ(PixelAt(image, 0, 0), Black);
    EXPECT_EQ(PixelAt(image, 1, 1), White);
}
