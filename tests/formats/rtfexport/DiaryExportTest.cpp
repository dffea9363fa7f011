// The export document, read back with the program's own RTF reader.
#include "ExportSamples.h"

#include "base/text/CodePage.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/rtf/Utf.h"
#include "formats/rtfexport/RtfJoiner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace base::text;
using namespace formats::diary;
using namespace formats::rtf;
using namespace formats::rtfexport;

using namespace export_test;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::Not;

namespace {

std::string Utf8(const std::u16string& text)
{
    std::string out;
    ForEachUtf16(text, [&out](char32_t c) { AppendUtf8(out, c); });
    return out;
}

std::string ParagraphText(const Paragraph& paragraph)
{
    std::string text;
    for (const auto& run : paragraph.Runs)
        text += Utf8(run.Text);
    return text;
}

std::vector<std::string> Paragraphs(const std::string& document, int codePage = 1252)
{
    std::vector<std::string> texts;
    for (const auto& paragraph : ReadRtf(document, codePage).Paragraphs)
        texts.push_back(ParagraphText(paragraph));
    return texts;
}

// The first run whose text contains the piece.
const TextRun* RunWith(const RichText& text, const std::u16string& piece)
{
    for (const auto& paragraph : text.Paragraphs)
        for (const auto& run : paragraph.Runs)
            if (run.Text.find(piece) != std::u16string::npos)
                return &run;
    return nullptr;
}

std::string WrittenBody(std::u16string text, bool bold = false)
{
    CharFormat format{"Verdana", 24};
    format.Bold = bold;
    RichText rich;
    rich.Paragraphs.push_back({Alignment::Left, format, {{format, std::move(text), nullptr}}});
    return WriteRtf(rich, 1252, format);
}

size_t Occurrences(const std::string& text, const std::string& piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(DiaryExport, EachEntryFollowsItsHeadingInListOrder)
{
    const LineList records{DayRecord(2023, 12, 31, 0, "First", WrittenBody(u"one", true)),
                           DayRecord(2024, 2, 1, 4, "Second", WrittenBody(u"two"))};
    const std::string document = ExportDiary(records, Options());

    EXPECT_THAT(Paragraphs(document),
                ElementsAre("", "31/12/2023 - First", "one", "", "1/2/2024 - Second", "two"));
    const RichText read = ReadRtf(document, 1252);
    const CharFormat heading{"Arial", 28, true, false, true, false, 0x000080};
    for (const size_t at : {0, 1, 3, 4}) {
        const Paragraph& paragraph = read.Paragraphs[at];
        EXPECT_EQ(paragraph.Runs.empty() ? paragraph.Mark : paragraph.Runs[0].Format, heading) << at;
    }
    EXPECT_EQ(read.Paragraphs[2].Runs[0].Format, (CharFormat{"Verdana", 24, true}));
    EXPECT_EQ(read.Paragraphs[5].Runs[0].Format, (CharFormat{"Verdana", 24}));
}

TEST(DiaryExport, EmptyDiaryEmptyTitleOddKeyAndRecordWithoutBody)
{
    const std::string empty = ExportDiary({}, Options());
    EXPECT_TRUE(
        empty.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"));
    EXPECT_EQ(PlainText(empty, 1252), "");

    const LineList records{DayRecord(2024, 3, 15, 0, "", WrittenBody(u"no title")),
                           "2024x3151Odd key@@" + WrittenBody(u"kept"), "202403309Bare"};
    EXPECT_THAT(Paragraphs(ExportDiary(records, Options())),
                ElementsAre("", "15/3/2024 - ", "no title", "", "2024x315 - Odd key", "kept", "",
                            "30/3/2024 - Bare"));
}

TEST(RtfJoiner, FontAndColourTablesAreMergedAndRenumbered)
{
    RtfJoiner joiner(1252, CharFormat{"Arial", 20});
    joiner.Append("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fmodern Courier New;}}"
                  "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
                  "\\f0 plain \\f1\\cf2 green code\\cf1  red code\\par}");
    joiner.Append("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fmodern Courier New;}{\\f1\\fswiss Georgia;}}"
                  "{\\colortbl \\red0\\green0\\blue255;;}default \\f0\\cf0 blue code\\cf1  automatic\\par}");
    const std::string document = joiner.Document();

    const RichText read = ReadRtf(document, 1252);
    const auto expect = [&read](const std::u16string& piece, const std::string& font, uint32_t color) {
        const TextRun* run = RunWith(read, piece);
        ASSERT_NE(run, nullptr) << Utf8(piece);
        EXPECT_EQ(run->Format.Font, font) << Utf8(piece);
        EXPECT_EQ(run->Format.Color, color) << Utf8(piece);
    };
    expect(u"plain", "Times New Roman", Automatic);
    expect(u"green code", "Courier New", 0x008000);
    expect(u"red code", "Courier New", 0xFF0000);
    expect(u"default", "Georgia", Automatic);
    expect(u"blue code", "Courier New", 0x0000FF);
    expect(u"automatic", "Courier New", Automatic);
    EXPECT_EQ(Occurrences(document, "Courier New"), 1u);
    EXPECT_EQ(Occurrences(document, "\\red255\\green0\\blue0;"), 1u);
}

TEST(RtfJoiner, CharactersOfEveryCodePageSurvive)
{
    const std::string document = ExportDiary(SampleRecords(), Options(1252));
    const std::string text = PlainText(document, 1252);
    for (const char* piece : {GreekText, CyrillicText, UnicodeText, "Greek αβγ."})
        EXPECT_THAT(text, HasSubstr(piece));
    EXPECT_THAT(document, HasSubstr("\\'c3\\'e5\\'e9\\'dc"))
        << "bytes of a declared code page stay as they were";

    // Western text in a Greek diary: an ANSI font cannot say that its bytes are Western, so
    // they go out as \uN, while fallback bytes of the body's own \uN stay.
    RtfJoiner joiner(1253, CharFormat{"Arial", 20});
    joiner.Append(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0 caf\\'e9\\par}");
    joiner.Append("{\\rtf1\\ansi\\ansicpg1252 na\xEFve\\par}");
    joiner.Append(
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0\\uc2\\u233\\'e9\\'e9 x"
        "\\par}");
    joiner.Append("{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0 \\'e1\\par}");
    EXPECT_THAT(Paragraphs(joiner.Document(), 1253), ElementsAre("café", "naïve", "é x", "α"));
}

TEST(RtfJoiner, DamagedBodiesStayInsideTheirEntry)
{
    const LineList records{
        DayRecord(2024, 1, 1, 0, "Open", "{\\rtf1 {\\b never closed"),
        DayRecord(2024, 1, 2, 0, "Stray", "{\\rtf1 one}} stray}"),
        DayRecord(2024, 1, 3, 0, "Broken", "{\\rtf1 broken \\'zz hex\\"),
        // Stored plain text ends in a line break, which the editor shows as one more empty line.
        DayRecord(2024, 1, 4, 0, "Plain", "plain line\r\nsecond {line}"),
        DayRecord(2024, 1, 5, 0, "Binary", "{\\rtf1 {\\*\\blob\\bin4 {}}x}after\\par}"),
        DayRecord(2024, 1, 6, 0, "Last", WrittenBody(u"last")),
    };
    const std::string document = ExportDiary(records, Options());
    EXPECT_THAT(Paragraphs(document),
                ElementsAre("", "1/1/2024 - Open", "never closed", "", "2/1/2024 - Stray", "one", "",
                            "3/1/2024 - Broken", "broken zz hex", "", "4/1/2024 - Plain", "plain line",
                            "second {line}", "", "", "5/1/2024 - Binary", "after", "", "6/1/2024 - Last",
                            "last"));
    const RichText read = ReadRtf(document, 1252);
    EXPECT_TRUE(RunWith(read, u"Stray")->Format.Underline);
    EXPECT_FALSE(RunWith(read, u"last")->Format.Bold) << "the unclosed bold group ends with its entry";
}

TEST(RtfJoiner, WordProcessorHeaderIsLeftOutAndItsTextKept)
{
    const std::string document =
        ExportDiary({DayRecord(2024, 1, 9, 5, "Word", WordProcessorBody)}, Options());
    const std::string text = PlainText(document, 1252);
    EXPECT_THAT(text, HasSubstr("Word heading\nParagraph with italic red and Greek αβγ."));
    for (const char* header : {"Normal", "Word User", "schemas", "504b"})
        EXPECT_THAT(text, Not(HasSubstr(header)));
    for (const char* word : {"\\stylesheet", "\\info", "\\paperw"})
        EXPECT_THAT(document, Not(HasSubstr(word)));
    EXPECT_EQ(Occurrences(document, "\\ansicpg"), 1u);
    EXPECT_EQ(Occurrences(document, "\\deff"), 1u);

    const RichText read = ReadRtf(document, 1252);
    EXPECT_EQ(RunWith(read, u"Word heading")->Format,
              (CharFormat{"Calibri", 32, true, false, false, false, 0x0000FF}));
    EXPECT_EQ(RunWith(read, u"italic red")->Format,
              (CharFormat{"Calibri", 22, false, true, false, false, 0xC00000}));
    EXPECT_EQ(RunWith(read, u"αβγ")->Format.Font, "Times New Roman Greek");
}

TEST(RtfJoiner, TablesKeepTheirStructureAndParagraphsEndBeforeTheNextEntry)
{
    const std::string document =
        ExportDiary({DayRecord(2024, 1, 8, 4, "Table", TableBody),
                     DayRecord(2024, 1, 9, 0, "Unended", "{\\rtf1\\ansi no paragraph end}"),
                     DayRecord(2024, 1, 11, 0, "Next", WrittenBody(u"next"))},
                    Options());
    EXPECT_THAT(document, HasSubstr("\\trowd\\trgaph108\\trleft-108\\cellx1500\\cellx3000\\pard\\intbl"));
    EXPECT_THAT(Paragraphs(document),
                ElementsAre("", "8/1/2024 - Table", "Apples\tPears\t", "Plums\tFigs\t", "After the table", "",
                            "9/1/2024 - Unended", "no paragraph end", "", "11/1/2024 - Next", "next"));
}

// What is left out of a body (header words and groups) must not change what stands around it:
// a control word before it does not run on into the text after it, a \uN fallback still ends
// at the group, and binary data cut short by the body's end does not reach the next entry.
TEST(RtfJoiner, LeftOutTokensChangeNothingAroundThem)
{
    RtfJoiner joiner(1252, CharFormat{"Arial", 20});
    joiner.Append("{\\rtf1 x\\b\\deff0 old\\par}");
    joiner.Append("{\\rtf1\\uc2 \\u945{\\info{\\title t}}ab\\par}");
    joiner.Append("{\\rtf1 pic{\\*\\blob\\bin900 short");
    joiner.Append("{\\rtf1 after\\par}");
    EXPECT_THAT(Paragraphs(joiner.Document()), ElementsAre("xold", "αab", "pic", "after"));
    EXPECT_TRUE(RunWith(ReadRtf(joiner.Document(), 1252), u"old")->Format.Bold);
}

TEST(RtfJoiner, PicturesAreCarriedUnchanged)
{
    const std::string picture = "{\\*\\shppict{\\pict\\pngblip\\picw1\\pich1\\picwgoal600\\pichgoal600\r\n"
                                "89504e470d0a1a0a}}{\\nonshppict{\\pict\\wmetafile8\\picw26\\pich26 0100}}";
    const std::string body = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                             "\\viewkind4\\uc1\\pard\\f0\\fs20 Look\\par\r\n" +
                             picture + "\\par\r\n}\r\n";
    const std::string document = ExportDiary({DayRecord(2024, 3, 1, 2, "Pictured", body)}, Options());
    EXPECT_THAT(document, HasSubstr(picture));
}
