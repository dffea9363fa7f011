#include "widgets/editor/RtfDocument.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace formats::rtf;
using namespace widgets::editor;

namespace {

RichText OneParagraph(std::u16string text, CharFormat format = {})
{
    RichText rich;
    rich.Paragraphs.push_back({Alignment::Left, format, {{format, std::move(text)}}});
    return rich;
}

const CharFormat Arial10{"Arial", 20};

void ExpectWellFormedLines(const std::string& rtf)
{
    ASSERT_TRUE(rtf.ends_with("}\r\n"));
    for (size_t i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "at " << i;
        if (rtf[i] == '\n') {
            ASSERT_TRUE(i > 0 && rtf[i - 1] == '\r') << "lone LF at " << i;
        }
        if (rtf[i] == '\r') {
            ASSERT_TRUE(i + 1 < rtf.size() && rtf[i + 1] == '\n') << "lone CR at " << i;
        }
    }
}

} // namespace

TEST(RtfWriter, WritesTheWindowsControlsShape)
{
    const std::string rtf = WriteRtf(OneParagraph(u"Γειά σου", Arial10), 1253, Arial10);
    EXPECT_EQ(rtf, "{\\rtf1\\ansi\\ansicpg1253\\deff0\\deflang1032{\\fonttbl{\\f0\\fnil\\fcharset161 Arial;}}\r\n"
                   "\\viewkind4\\uc1\\pard\\f0\\fs20\\'c3\\'e5\\'e9\\'dc \\'f3\\'ef\\'f5\\par\r\n"
                   "}\r\n");
}

TEST(RtfWriter, CharactersOutsideTheCodePageSurviveAsUnicode)
{
    const std::u16string text = u"€ α Ж 日 \U0001F600 é";
    for (const int codePage : {1252, 1253, 1251, 932}) {
        const std::string rtf = WriteRtf(OneParagraph(text, Arial10), codePage, Arial10);
        ExpectWellFormedLines(rtf);
        // Read back under another code page: every character is still there.
        EXPECT_EQ(ReadRtf(rtf, 1250).Paragraphs.at(0).Runs.at(0).Text, text) << codePage;
    }
    EXPECT_NE(WriteRtf(OneParagraph(u"α", Arial10), 1252, Arial10).find("\\u945?"), std::string::npos);
}

TEST(RtfWriter, AtSignsSpecialCharactersAndDelimitersAreEscaped)
{
    const std::string rtf = WriteRtf(OneParagraph(u"mail me@@home or a@b", {"@Arial", 20}), 1252, Arial10);
    EXPECT_EQ(rtf.find('@'), std::string::npos);
    EXPECT_EQ(PlainText(rtf, 1252), "mail me@@home or a@b");
    EXPECT_EQ(ReadRtf(rtf, 1252).Paragraphs[0].Runs[0].Format.Font, "@Arial");

    const std::u16string text = u"a\tb\u2028c\u00A0d{e}f\\g 1;-x";
    const std::string special = WriteRtf(OneParagraph(text, Arial10), 1252, Arial10);
    EXPECT_NE(special.find("a\\tab b\\line c\\~d\\{e\\}f\\\\g 1;-x"), std::string::npos) << special;
    EXPECT_EQ(ReadRtf(special, 1252).Paragraphs[0].Runs[0].Text, text);
}

namespace {

// A document holding every kind of formatting the body offers.
void FillFormatted(QTextDocument& document)
{
    QTextCursor cursor(&document);
    auto insert = [&](const QString& text, auto&& change) {
        QTextCharFormat format;
        format.setFontFamilies({"Arial"});
        format.setFontPointSize(10);
        change(format);
        cursor.insertText(text, format);
    };
    insert("plain ", [](QTextCharFormat&) {});
    insert("bold ", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    insert("italic ", [](QTextCharFormat& f) { f.setFontItalic(true); });
    insert("under ", [](QTextCharFormat& f) { f.setFontUnderline(true); });
    insert("strike ", [](QTextCharFormat& f) { f.setFontStrikeOut(true); });
    insert("big ", [](QTextCharFormat& f) { f.setFontPointSize(18); });
    insert("half ", [](QTextCharFormat& f) { f.setFontPointSize(7.5); });
    insert("navy ", [](QTextCharFormat& f) { f.setForeground(QColor(0, 0, 128)); });
    insert("marked ", [](QTextCharFormat& f) { f.setBackground(QColor(255, 255, 0)); });
    insert("courier", [](QTextCharFormat& f) { f.setFontFamilies({"Courier New"}); });
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    insert("centred", [](QTextCharFormat&) {});
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    cursor.insertBlock(justified);
    insert("justified", [](QTextCharFormat&) {});
}

QTextCharFormat FormatOf(const QTextDocument& document, const QString& word)
{
    const QTextCursor found = document.find(word);
    EXPECT_FALSE(found.isNull()) << word.toStdString();
    QTextCursor at(found);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

} // namespace

TEST(RtfDocument, RoundTripKeepsTextFormatsFontsAndAlignment)
{
    QTextDocument original;
    FillFormatted(original);
    const std::string rtf = DocumentToRtf(original, 1252);
    ExpectWellFormedLines(rtf);

    QTextDocument loaded;
    RtfToDocument(rtf, loaded, 1252);
    EXPECT_EQ(loaded.toPlainText(), original.toPlainText());
    EXPECT_EQ(loaded.blockCount(), 4);

    EXPECT_EQ(FormatOf(loaded, "bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(loaded, "italic").fontItalic());
    EXPECT_TRUE(FormatOf(loaded, "under").fontUnderline());
    EXPECT_TRUE(FormatOf(loaded, "strike").fontStrikeOut());
    EXPECT_DOUBLE_EQ(FormatOf(loaded, "big").fontPointSize(), 18);
    EXPECT_DOUBLE_EQ(FormatOf(loaded, "half").fontPointSize(), 7.5);
    EXPECT_EQ(FormatOf(loaded, "navy").foreground().color(), QColor(0, 0, 128));
    EXPECT_EQ(FormatOf(loaded, "marked").background().color(), QColor(255, 255, 0));
    EXPECT_EQ(FormatOf(loaded, "courier").fontFamilies().toStringList(), QStringList{"Courier New"});

    EXPECT_EQ(loaded.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(loaded.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(loaded.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignJustify);

    // A second trip writes the same RTF again.
    EXPECT_EQ(DocumentToRtf(loaded, 1252), rtf);
}

TEST(RtfDocument, LoadingClearsUndoAndTheModifiedMarkAndAnEmptyDocumentIsOneEmptyParagraph)
{
    QTextDocument document;
    QTextCursor(&document).insertText("typed");
    ASSERT_TRUE(document.isModified());
    RtfToDocument("{\\rtf1 loaded}", document, 1252);
    EXPECT_EQ(document.toPlainText(), "loaded");
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.isUndoAvailable());

    const std::string rtf = DocumentToRtf(QTextDocument(), 1252);
    EXPECT_NE(rtf.find("\\par\r\n}"), std::string::npos);
    QTextDocument loaded;
    RtfToDocument(rtf, loaded, 1252);
    EXPECT_TRUE(loaded.isEmpty());
}
