// The look-and-feel buttons: glyph cells and fitted captions, grouped and held speed buttons,
// the dialog buttons' kinds, keys and modal results, and the tool button's states.
#include "WidgetTesting.h"

#include "widgets/controls/QtColors.h"
#include "widgets/controls/SkinButton.h"
#include "widgets/controls/SpeedButton.h"
#include "widgets/controls/ToolButton.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using namespace model::look;
using namespace widgets::controls;

using namespace widgets_test;

TEST(ButtonStyles, GlyphCellFollowsStateAndCaptionsLoseTheirEnd)
{
    // Cells, enabled, hot, down, and the cell shown; a hot cell needs four cells.
    const std::vector<std::tuple<int, bool, bool, bool, int>> cases{
        {4, true, false, false, 0}, {4, true, true, false, 3}, {4, true, false, true, 2}, {4, true, true, true, 2},
        {4, false, true, true, 1},  {1, false, true, true, 0}, {1, true, true, true, 0},  {3, true, true, false, 0}};
    for (const auto& [cells, enabled, hot, down, shown] : cases)
        EXPECT_EQ(GlyphCell(cells, enabled, hot, down), shown) << cells << enabled << hot << down;

    // A caption loses characters from its end only.
    const auto sevenEach = [](std::size_t n) { return static_cast<int>(7 * n); };
    EXPECT_EQ(FittingCaptionLength(30, 92, sevenEach), 13u);
    EXPECT_EQ(FittingCaptionLength(5, 92, sevenEach), 5u);
    EXPECT_EQ(FittingCaptionLength(5, 0, sevenEach), 0u);

    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 9));
    const QString longCaption = QStringLiteral("A caption much too long for a hundred pixels");
    const QString fitted = FittedCaption(longCaption, metrics, 92);
    EXPECT_EQ(longCaption.left(fitted.size()), fitted) << "no ellipsis either";
    EXPECT_LE(metrics.horizontalAdvance(fitted), 92);
    EXPECT_GT(metrics.horizontalAdvance(longCaption.left(fitted.size() + 1)), 92);
}

TEST(SpeedButton, GroupedButtonsReleaseEachOtherAndAllowAllUpDecidesTheLast)
{
    Backdrop backdrop;
    SpeedButton first(&backdrop);
    SpeedButton second(&backdrop);
    SpeedButton elsewhere(&backdrop);
    second.move(40, 0);
    first.SetGroupIndex(1);
    second.SetGroupIndex(1);
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

TEST(SpeedButton, UngroupedButtonIsDownOnlyWhileHeldAndClicksOnReleaseInsideOrByItsAccelerator)
{
    Backdrop backdrop;
    SpeedButton button(&backdrop);
    button.setGeometry(10, 10, 40, 20);
    button.SetCaption(QStringLiteral("&Next >"));
    QSignalSpy clicks(&button, &SpeedButton::OnClick);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button.Down());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button.Down());
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_EQ(clicks.count(), 1) << "released outside: no click";
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    QTest::keyClick(&backdrop, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(button.Down());
}


TEST(SkinButton, KindSetsCaptionGlyphAndModalResultUntilModalResultIsSetDirectly)
{
    SkinButton button;
    button.SetKind(ButtonKind::Retry);
    const QString caption = button.Caption();
    EXPECT_EQ(button.ModalResult(), DialogResult::Retry);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph().width(), 2 * button.Glyph().height());
    EXPECT_GT(button.Glyph().height(), 0);
    button.SetModalResult(DialogResult::Ok);
    EXPECT_EQ(button.Kind(), ButtonKind::Custom);
    EXPECT_EQ(button.Caption(), caption);

    button.SetKind(ButtonKind::Close);
    EXPECT_EQ(button.Caption(), QString::fromUtf8("Schlie\xC3\x9F" "en")) << "captions are UTF-8";
    EXPECT_EQ(button.ModalResult(), DialogResult::None);
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
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(SkinButton, DefaultAndCancelButtonsAnswerEnterAndEscapeUnlessAPushButtonHasTheFocus)
{
    // The focused control, the key, and the clicks of the default and the cancel button.
    const std::vector<std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, int, int>> cases{
        {"edit", Qt::Key_Return, Qt::NoModifier, 1, 0},    {"radio", Qt::Key_Return, Qt::NoModifier, 1, 0},
        {"push", Qt::Key_Return, Qt::NoModifier, 0, 0},    {"edit", Qt::Key_Escape, Qt::NoModifier, 0, 1},
        {"edit", Qt::Key_Escape, Qt::ShiftModifier, 0, 0}, {"push", Qt::Key_Escape, Qt::NoModifier, 0, 0}};
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
    const std::map<std::string, QWidget*> controls{{"edit", &edit}, {"push", &push}, {"radio", &radio}};
    for (const auto& [focused, key, modifiers, okClicks, cancelClicks] : cases) {
        SCOPED_TRACE(std::string(focused) + (key == Qt::Key_Return ? " Enter" : " Escape") +
                     (modifiers == Qt::NoModifier ? "" : " Shift"));
        controls.at(focused)->setFocus();
        QSignalSpy okSpy(&ok, &SkinButton::OnClick);
        QSignalSpy cancelSpy(&cancel, &SkinButton::OnClick);
        QTest::keyClick(controls.at(focused), key, modifiers);
        EXPECT_EQ(okSpy.count(), okClicks);
        EXPECT_EQ(cancelSpy.count(), cancelClicks);
    }
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
}
