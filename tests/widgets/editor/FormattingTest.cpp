#include "widgets/editor/BodyPrint.h"
#include "widgets/editor/Formatting.h"
#include "widgets/editor/RichTextEdit.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace widgets::editor;

namespace {

// A body holding "Hello world" with "world" selected.
struct SelectedWorld {
    SelectedWorld()
    {
        Edit.setPlainText(QStringLiteral("Hello world"));
        QTextCursor cursor = Edit.textCursor();
        cursor.setPosition(6);
        cursor.setPosition(11, QTextCursor::KeepAnchor);
        Edit.setTextCursor(cursor);
    }

    QTextCharFormat At(int position) const
    {
        QTextCursor cursor(Edit.document());
        cursor.setPosition(position);
        return cursor.charFormat();
    }

    RichTextEdit Edit;
};

} // namespace

TEST(Formatting, StylesToggleOnTheSelectionOnly)
{
    SelectedWorld body;
    ToggleStyle(body.Edit, StyleToggle::Bold);
    EXPECT_EQ(body.At(8).fontWeight(), QFont::Bold);
    EXPECT_NE(body.At(3).fontWeight(), QFont::Bold);
    EXPECT_TRUE(body.Edit.document()->isModified());
    ToggleStyle(body.Edit, StyleToggle::Bold);
    EXPECT_NE(body.At(8).fontWeight(), QFont::Bold) << "bold comes off again";
}

TEST(Formatting, SmallerStopsAtThreePointsAndLargerHasNoLimit)
{
    SelectedWorld body;
    SetTextColour(body.Edit, MenuColours[6].Colour);
    EXPECT_EQ(body.At(8).foreground().color(), QColor(0, 255, 0)) << "\"Teal\" is bright green";
    QTextCharFormat four;
    four.setFontPointSize(4);
    body.Edit.textCursor().mergeCharFormat(four);
    body.Edit.mergeCurrentCharFormat(four);
    ShrinkFont(body.Edit);
    EXPECT_EQ(body.At(8).fontPointSize(), 3);
    ShrinkFont(body.Edit);
    EXPECT_EQ(body.At(8).fontPointSize(), 3) << "below 4 points nothing changes";
    for (int i = 0; i < 80; ++i)
        GrowFont(body.Edit);
    EXPECT_EQ(body.At(8).fontPointSize(), 83);
}

TEST(Formatting, AnEmptyBodyStartsTypingPlainBlackAtTenPointsInItsFont)
{
    RichTextEdit edit;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSize(14);
    edit.document()->setDefaultFont(font);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(20);
    bold.setForeground(QColor(Qt::red));
    edit.setCurrentCharFormat(bold);
    edit.document()->setModified(true);

    ResetTypingAttributes(edit);
    EXPECT_EQ(edit.currentCharFormat().fontPointSize(), 10);
    EXPECT_NE(edit.currentCharFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(edit.currentCharFormat().foreground().color(), QColor(Qt::black));
    EXPECT_EQ(edit.document()->defaultFont().family(), "Liberation Serif");
    EXPECT_TRUE(edit.document()->isModified()) << "a cleared body stays marked as changed";

    edit.setPlainText(QStringLiteral("text"));
    edit.setCurrentCharFormat(bold);
    ResetTypingAttributes(edit);
    EXPECT_EQ(edit.currentCharFormat().fontPointSize(), 20) << "a body with text keeps its typing format";
}

TEST(BodyPrint, ThePageRectangleKeepsTheDiarysMargins)
{
    // 60 pixels in from the printable left edge and 100 down; right and bottom edges at the
    // page size less twice those.
    EXPECT_EQ(BodyPageRect(10, 20, 1000, 1400), QRect(QPoint(70, 120), QPoint(860, 1160)));
}
