#include "WidgetTesting.h"

#include "widgets/controls/HatchedPanel.h"
#include "widgets/controls/MarkupPanel.h"
#include "widgets/controls/QtColors.h"

#include <QLineEdit>
#include <QPainter>

#include <gtest/gtest.h>

using namespace model::look;
using namespace widgets::controls;

using widgets_test::Backdrop;

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

TEST(MarkupPanel, LineBreaksDecideWhetherMarkupLinesBreak)
{
    MarkupPanel panel;
    panel.SetMarkupLines({QStringLiteral("Hello"), QStringLiteral("World")});
    EXPECT_TRUE(panel.Elements()[1].BreakLine);
    panel.SetLineBreaks(false);
    EXPECT_EQ(panel.Elements()[0].Text, "Hello World ");
}
