#include "widgets/editor/RichTextEdit.h"


#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace widgets::editor;

namespace {

const char* const WindowsBody =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;}\r\n"
    "\\viewkind4\\uc1\\pard\\b\\f0\\fs20 Bold\\b0  and \\cf1 navy\\cf0  see www.example.com today\\par\r\n"
    "}\r\n";

// The display-only formats the link highlighter put on a paragraph.
std::vector<std::pair<int, int>> UnderlinedRanges(const QTextBlock& block)
{
    std::vector<std::pair<int, int>> ranges;
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (range.format.fontUnderline())
            ranges.emplace_back(range.start, range.length);
    return ranges;
}

class RichTextEditTest : public testing::Test {
protected:
    RichTextEditTest()
    {
        edit_.resize(400, 200);
        edit_.show();
        QApplication::processEvents();
    }

    // The middle of the character at a document position, in viewport coordinates.
    QPoint PointAt(int position)
    {
        QTextCursor cursor(edit_.document());
        cursor.setPosition(position);
        const QRect before = edit_.cursorRect(cursor);
        cursor.setPosition(position + 1);
        const QRect after = edit_.cursorRect(cursor);
        return QPoint((before.left() + after.left()) / 2, before.center().y());
    }

    RichTextEdit edit_;
};

} // namespace

TEST_F(RichTextEditTest, LoadsAndSavesTheWholeContentAsRtf)
{
    edit_.LoadRtf(WindowsBody);
    EXPECT_EQ(edit_.toPlainText(), "Bold and navy see www.example.com today");
    EXPECT_FALSE(edit_.document()->isModified());
    const std::string saved = edit_.SaveRtf();
    EXPECT_NE(saved.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\\b\\f0\\fs20 Bold\\b0"), std::string::npos) << saved;
    // Links are shown, not stored.
    EXPECT_EQ(saved.find("\\ul"), std::string::npos);
}

TEST_F(RichTextEditTest, ShowsLinksAfterLoadingAndWhileTypingAndALeftClickReportsOne)
{
    edit_.LoadRtf(WindowsBody);
    const QString text = edit_.toPlainText();
    EXPECT_EQ(UnderlinedRanges(edit_.document()->begin()),
              (std::vector<std::pair<int, int>>{{static_cast<int>(text.indexOf("www.")), 15}}));

    edit_.clear();
    edit_.setFocus();
    QTest::keyClicks(&edit_, "mail me@example.org or");
    EXPECT_EQ(UnderlinedRanges(edit_.document()->begin()), (std::vector<std::pair<int, int>>{{5, 14}}));

    edit_.LoadRtf(WindowsBody);
    edit_.setReadOnly(true);
    QSignalSpy clicks(&edit_, &RichTextEdit::OnURLClick);
    const int start = static_cast<int>(edit_.toPlainText().indexOf("www."));

    QTest::mouseClick(edit_.viewport(), Qt::RightButton, {}, PointAt(start + 3));
    QTest::mouseClick(edit_.viewport(), Qt::LeftButton, {}, PointAt(start - 3));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(edit_.viewport(), Qt::LeftButton, {}, PointAt(start + 3));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toString(), "www.example.com");
    EXPECT_EQ(edit_.textCursor().selectedText(), "www.example.com");
}


TEST_F(RichTextEditTest, CopyAndPasteCarryRtf)
{
    edit_.LoadRtf(WindowsBody);
    edit_.selectAll();
    edit_.copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->data("text/rtf").startsWith("{\\rtf1"));

    auto* pasted = new QMimeData;
    pasted->setData("text/rtf", "{\\rtf1{\\fonttbl{\\f0 Times;}}\\f0\\i pasted\\i0  text}");
    pasted->setText("plain fallback");
    QApplication::clipboard()->setMimeData(pasted);
    edit_.clear();
    edit_.paste();
    EXPECT_EQ(edit_.toPlainText(), "pasted text");
    QTextCursor cursor(edit_.document());
    cursor.setPosition(2);
    EXPECT_TRUE(cursor.charFormat().fontItalic());
}
