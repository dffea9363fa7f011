// What a screen reader and the keyboard get from the owner-drawn buttons and the clock.
#include "WidgetTesting.h"

#include "widgets/controls/AccessibleControls.h"
#include "widgets/controls/ClockWidget.h"
#include "widgets/controls/SpeedButton.h"
#include "widgets/controls/ToolButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace widgets::controls;

using namespace widgets_test;

TEST(AccessibleControls, ButtonsAreNamedByCaptionElseByHintAndPressedThroughTheirAction)
{
    EXPECT_EQ(AccessibleButtonName(QStringLiteral("&Next >"), QStringLiteral("Go on")), QStringLiteral("Next >"));
    EXPECT_EQ(AccessibleButtonName(QStringLiteral("Save && Exit"), {}), QStringLiteral("Save & Exit"));
    EXPECT_EQ(AccessibleButtonName({}, QStringLiteral(" Write a title for \r\nthis day|more")),
              QStringLiteral("Write a title for this day"));

    Backdrop backdrop;
    SpeedButton grouped(&backdrop);
    grouped.SetGroupIndex(1);
    grouped.SetAllowAllUp(true);
    grouped.setToolTip(QStringLiteral("Bold (Ctrl+B)"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(&grouped);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Bold (Ctrl+B)"));
    EXPECT_TRUE(button->state().checkable);
    EXPECT_FALSE(button->state().checked);

    QSignalSpy clicks(&grouped, &SpeedButton::OnClick);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(button->state().checked);

    ToolButton tool(&backdrop);
    tool.SetCaption(QStringLiteral("Search"));
    QAccessibleInterface* toolButton = QAccessible::queryAccessibleInterface(&tool);
    EXPECT_EQ(toolButton->role(), QAccessible::Button);
    EXPECT_EQ(toolButton->text(QAccessible::Name), QStringLiteral("Search"));
    QSignalSpy toolClicks(&tool, &ToolButton::OnClick);
    toolButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(toolClicks.count(), 1);
}

TEST(AccessibleControls, TabReachesTheButtonsAndSpaceOrEnterPressesThem)
{
    Backdrop backdrop;
    SpeedButton speed(&backdrop);
    ToolButton tool(&backdrop);
    tool.move(60, 0);
    QSignalSpy speedClicks(&speed, &SpeedButton::OnClick);
    QSignalSpy toolClicks(&tool, &ToolButton::OnClick);
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));

    tool.setFocus(Qt::TabFocusReason);
    QTest::mouseClick(&speed, Qt::LeftButton);
    EXPECT_TRUE(tool.hasFocus()) << "a click leaves the focus where it was";
    EXPECT_EQ(speedClicks.count(), 1);

    speed.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&speed, Qt::Key_Space);
    EXPECT_EQ(speedClicks.count(), 2);
    EXPECT_FALSE(speed.Down()) << "an ungrouped button comes up again";
    QTest::keyClick(&speed, Qt::Key_Tab);
    ASSERT_TRUE(tool.hasFocus());
    QTest::keyClick(&tool, Qt::Key_Return);
    EXPECT_EQ(toolClicks.count(), 1);
}

TEST(AccessibleControls, TheClockReadsAsTheTimeItShows)
{
    ClockWidget clock;
    clock.SetTimeSource([] { return QTime(9, 5, 30); });
    clock.SetShowSeconds(false);
    clock.SetShowMode(ClockShowMode::Analog);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&clock);
    EXPECT_EQ(face->role(), QAccessible::StaticText);
    EXPECT_EQ(face->text(QAccessible::Name), clock.DigitalText());
    EXPECT_TRUE(face->text(QAccessible::Name).contains(QStringLiteral("9:05"))) << face->text(QAccessible::Name).toStdString();
}
