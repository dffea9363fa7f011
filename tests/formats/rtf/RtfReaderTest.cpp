#include "formats/rtf/RtfReader.h"

#include <gtest/gtest.h>

using namespace formats::rtf;

namespace {

// A body as the Windows rich-edit control writes it on a Greek system.
const std::string GreekWindowsBody =
    "{\\rtf1\\ansi\\ansicpg1253\\deff0\\deflang1032{\\fonttbl{\\f0\\fnil\\fcharset161 Arial;}"
    "{\\f1\\fswiss\\fcharset204{\\*\\panose 020b0604020202020204}Arial CYR;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;}\r\n"
    "\\viewkind4\\uc1\\pard\\b\\f0\\fs20 \\'ca\\'e1\\'eb\\'e7\\'ec\\'dd\\'f1\\'e1\\b0  \\cf1 "
    "\\f1\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\cf0\\f0\\par\r\n"
    "\\pard\\qc\\i\\ul\\strike\\fs28 centred\\i0\\ulnone\\strike0\\par\r\n"
    "\\pard\\qr\\highlight1 right\\highlight0\\par\r\n"
    "}\r\n";

} // namespace

TEST(RtfReader, WindowsBodyKeepsFormattingAndTextUnderItsCodePages)
{
    const RichText text = ReadRtf(GreekWindowsBody, 1252);
    ASSERT_EQ(text.Paragraphs.size(), 3u);

    const auto& first = text.Paragraphs[0];
    ASSERT_EQ(first.Runs.size(), 3u);
    EXPECT_EQ(first.Alignment, Alignment::Left);
    EXPECT_EQ(first.Runs[0].Text, u"Καλημέρα");
    EXPECT_EQ(first.Runs[0].Format, (CharFormat{"Arial", 20, true}));
    EXPECT_EQ(first.Runs[2].Text, u"Привет"); // the Cyrillic font's own code page
    EXPECT_EQ(first.Runs[2].Format, (CharFormat{"Arial CYR", 20, false, false, false, false, 0x000080}));
    const auto& second = text.Paragraphs[1];
    EXPECT_EQ(second.Alignment, Alignment::Center);
    ASSERT_EQ(second.Runs.size(), 1u);
    EXPECT_EQ(second.Runs[0].Format, (CharFormat{"Arial", 28, false, true, true, true}));
    EXPECT_EQ(text.Paragraphs[2].Alignment, Alignment::Right);
    EXPECT_EQ(text.Paragraphs[2].Runs[0].Format.Highlight, 0x000080u);

    EXPECT_EQ(PlainText(GreekWindowsBody, 1252), "Καλημέρα Привет\ncentred\nright");
}

TEST(RtfReader, UnicodeCharactersSkipTheirFallbackAsUcSays)
{
    EXPECT_EQ(PlainText("{\\rtf1 a\\u8364?b}", 1252), "a€b");
    EXPECT_EQ(PlainText("{\\rtf1\\uc2 \\u945 xxb\\u946\\'e2\\'e2c}", 1252), "αbβc");
    // The fallback never crosses a group end, and \uc is scoped to its group.
    EXPECT_EQ(PlainText("{\\rtf1{\\uc3\\u948 x}yz}", 1252), "δyz");
    // Negative values are the upper half of the 16-bit range; surrogate pairs join.
    EXPECT_EQ(PlainText("{\\rtf1\\u-3913?}", 1252), "\xEF\x82\xB7");
    EXPECT_EQ(PlainText("{\\rtf1\\u-10179?\\u-8704?}", 1252), "\xF0\x9F\x98\x80");
    EXPECT_EQ(PlainText("{\\rtf1\\u-10179?x}", 1252), "\xEF\xBF\xBDx");
    // The Unicode half of \upr is shown, not the ANSI half.
    EXPECT_EQ(PlainText("{\\rtf1{\\upr{ansi}{\\*\\ud{\\u945?}}}}", 1252), "α");
    EXPECT_EQ(PlainText("{\\rtf1{\\*\\x{\\upr{a}{\\*\\ud{b}}}}c}", 1252), "c");
}

TEST(RtfReader, DestinationsThatAreNotTextAreSkipped)
{
    EXPECT_EQ(PlainText("{\\rtf1{\\*\\generator Riched20 10.0;}{\\*\\anything {nested} text}shown}", 1252),
              "shown");
    EXPECT_EQ(PlainText("{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}a\\unknownword b}", 1252),
              "ab");
    EXPECT_EQ(PlainText("{\\rtf1 x{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a}y}", 1252), "xy");
    // Binary data may hold braces and backslashes.
    EXPECT_EQ(PlainText("{\\rtf1 a{\\pict\\bin6 }}}{{\\}b}", 1252), "ab");
    EXPECT_EQ(PlainText("{\\rtf1 a\\bin3 {{{b}", 1252), "ab");
    EXPECT_EQ(PlainText("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}}", 1252),
              "link");
    EXPECT_EQ(PlainText("{\\rtf1 a\\tab b\\line c\\~d\\emdash\\{\\}\\\\}", 1252), "a\tb\nc d—{}\\");
}

TEST(RtfReader, DoubleByteCodePagesDecodeCharacterPairs)
{
    const std::string japanese = "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fnil\\fcharset128 MS Gothic;}}"
                                 "\\f0 \\'93\\'fa\\'96\\'7b a}";
    EXPECT_EQ(PlainText(japanese, 1252), "日本 a");
}

TEST(RtfReader, TextThatIsNotRtfLoadsAsPlainLines)
{
    EXPECT_FALSE(IsRtf("hello {\\rtf1}"));
    EXPECT_EQ(PlainText("caf\xe9\r\nline\rtwo\n", 1252), "café\nline\ntwo\n");
    const RichText text = ReadRtf("one\r\ntwo", 1252);
    ASSERT_EQ(text.Paragraphs.size(), 2u);
    EXPECT_EQ(text.Paragraphs[0].Runs[0].Format.HalfPoints, 0); // the editor's own size
}

TEST(RtfReader, ParagraphMarksEndParagraphsWithoutAddingAnEmptyOne)
{
    EXPECT_EQ(PlainText("{\\rtf1 a\\par}", 1252), "a");
    EXPECT_EQ(PlainText("{\\rtf1 a\\par\\par}", 1252), "a\n");
    EXPECT_EQ(PlainText("{\\rtf1 a\\par b}", 1252), "a\nb");
    EXPECT_EQ(ReadRtf("{\\rtf1\\par}", 1252).Paragraphs.size(), 1u);
    EXPECT_EQ(ReadRtf("{\\rtf1}", 1252).Paragraphs.size(), 1u);
    // An empty paragraph keeps the size it was typed in.
    EXPECT_EQ(ReadRtf("{\\rtf1 a\\par\\fs48\\par}", 1252).Paragraphs[1].Mark.HalfPoints, 48);
}

TEST(RtfReader, PlainAndGroupsRestoreFormats)
{
    const auto text =
        ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\deff0\\f1\\b\\fs30 a{\\i b}"
                "c\\plain d}",
                1252);
    const auto& runs = text.Paragraphs.at(0).Runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_TRUE(runs[1].Format.Italic && runs[1].Format.Bold);
    EXPECT_FALSE(runs[2].Format.Italic);
    EXPECT_EQ(runs[2].Format.Font, "Courier New");
    EXPECT_EQ(runs[3].Format, (CharFormat{"Arial", 24}));
}

TEST(RtfReader, DamagedInputKeepsWhatCouldBeRead)
{
    EXPECT_EQ(PlainText("{\\rtf1 abc", 1252), "abc");
    EXPECT_EQ(PlainText("{\\rtf1 abc\\'4", 1252), "abc4");
    EXPECT_EQ(PlainText("{\\rtf1 a}}}} b", 1252), "a");
    EXPECT_EQ(PlainText("{\\rtf1 a\\'zzb}", 1252), "azzb");
    EXPECT_EQ(PlainText("{\\rtf1\\fs999999999999 x\\u99999999999?y\\cf-5 z}", 1252), "xyz");
    EXPECT_EQ(PlainText("{\\rtf1 a\\bin99999999999 bcd}", 1252), "a");
    EXPECT_EQ(PlainText("{\\rtf1\\uc2147483647\\u65 gone}", 1252), "A");
    EXPECT_EQ(PlainText("{\\rtf1\\ansicpg99999 \\'e9}", 1252), "\xC3\xA9"); // unknown code page: 1252
    EXPECT_EQ(PlainText("{\\rtf1 a\\'00\\'07\\u8233?b}", 1252), "a\nb");

    std::string deep = "{\\rtf1 ";
    deep.append(200000, '{');
    deep += "deep";
    EXPECT_EQ(PlainText(deep, 1252), "deep");
    EXPECT_FALSE(ReadRtf(deep, 1252).Paragraphs.empty());
}
