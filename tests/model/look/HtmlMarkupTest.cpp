#include "model/look/HtmlMarkup.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using namespace model::look;

namespace {

// Six pixels a character, seven in bold; a font of size s is s + 4 high with ascent s.
int FakeWidth(const MarkupElement& e, std::string_view text)
{
    return static_cast<int>(text.size()) * ((e.FontStyle & FontStyleBit::Bold) != 0 ? 7 : 6);
}

MarkupElementStack Measured(std::string_view markup)
{
    MarkupElementStack elements = ParseMarkup(markup);
    for (auto& e : elements) {
        e.Ascent = e.FontSize;
        e.Height = e.FontSize + 4;
    }
    return elements;
}

// The text of each laid-out line, top to bottom.
std::vector<std::string> Lines(const std::vector<MarkupRun>& runs, const MarkupElementStack& elements)
{
    std::map<int, std::string> byBaseline;
    for (const auto& run : runs)
        byBaseline[run.Y + elements[run.Element].Ascent] += run.Text;
    std::vector<std::string> lines;
    for (const auto& [baseline, text] : byBaseline)
        lines.push_back(text);
    return lines;
}

std::vector<std::string> Layout(const std::vector<std::string>& caption, bool useCRLF, int width = 400)
{
    auto elements = Measured(PrepareMarkup(caption, "arial", 12, Black, useCRLF));
    return Lines(LayoutMarkup(elements, width, 5, FakeWidth), elements);
}

using Strings = std::vector<std::string>;

} // namespace

TEST(HtmlMarkup, PreparedTextOpensWithTheBaseFontAndBreaksLinesOnlyWithUseCRLF)
{
    EXPECT_EQ(PrepareMarkup({"Hello", "World"}, "Verdana", 10, Teal, true),
              "<font face=\"Verdana\" size=\"10\" color=\"#008080\">Hello<br>World<br></font>");
    EXPECT_EQ(PrepareMarkup({"Hello", "World"}, "arial", 12, RGBColor(0x12, 0x34, 0x56), false),
              "<font face=\"arial\" size=\"12\" color=\"#123456\">Hello World </font>");
    EXPECT_EQ(Layout({"Hello", "World"}, true), (Strings{"Hello", "World"}));
    EXPECT_EQ(Layout({"Hello", "World"}, false), (Strings{"Hello World "}));
}

TEST(HtmlMarkup, StyledRunsShareOneBaseline)
{
    auto elements = Measured("a<b>b</b>c<font size=\"20\">D</font>e");
    ASSERT_EQ(elements.Count(), 5u);
    EXPECT_EQ(elements[1].FontStyle, FontStyleBit::Bold);
    const auto runs = LayoutMarkup(elements, 400, 5, FakeWidth);
    ASSERT_EQ(runs.size(), 5u);
    for (const auto& run : runs)
        EXPECT_EQ(run.Y + elements[run.Element].Ascent, 5 + 20) << run.Text;
    EXPECT_EQ(runs[2].X, 5 + 6 + 7) << "widths of the runs before, bold included";
}

TEST(HtmlMarkup, ColourAttributesNeedQuotesAndKnownValues)
{
    for (const auto& [markup, colour] : {std::pair{"<font color=\"red\">x", Red},
                                         {"<font color=\"#ff0000\">x", Red},
                                         {"<FONT COLOR=\"Navy\">x", Navy},
                                         {"<font color=red>x", Black},
                                         {"<font color = \"red\">x", Black},
                                         {"<font color=\"reddish\">x", Black}})
        EXPECT_EQ(ParseMarkup(markup)[0].FontColor, colour) << markup;
    EXPECT_EQ(ParseMarkupColor("#f"), RGBColor(0x0F, 0, 0)) << "a short value gives what its pieces form";
    EXPECT_EQ(ParseMarkupColor("#"), std::nullopt);
    EXPECT_EQ(ParseMarkupColor("btnFace"), ButtonFace);
}

TEST(HtmlMarkup, AttributesApplyOnAnyTagAndBadSizesAreIgnored)
{
    auto elements = ParseMarkup(
        "<font size=\"abc\">a<font size=\"20\" face=\"Courier\">b<p color=\"red\">c</p>d</font>e");
    ASSERT_EQ(elements.Count(), 5u);
    EXPECT_EQ(elements[0].FontSize, 12);
    EXPECT_EQ(elements[1].FontSize, 20);
    EXPECT_EQ(elements[1].FontName, "Courier");
    EXPECT_EQ(elements[2].FontColor, Red);
    EXPECT_EQ(elements[3].FontColor, Red) << "an unknown tag saves nothing, its closing tag undoes nothing";
    EXPECT_EQ(elements[4].FontSize, 12);
    EXPECT_EQ(elements[4].FontColor, Black) << "the font tag's restore undoes everything since it";
}

TEST(HtmlMarkup, ClosingTagsRestoreWhateverWasSavedLast)
{
    auto elements = ParseMarkup("<b>x<i>y</b>z</i>w");
    ASSERT_EQ(elements.Count(), 4u);
    EXPECT_EQ(elements[1].FontStyle, FontStyleBit::Bold | FontStyleBit::Italic);
    EXPECT_EQ(elements[2].FontStyle, FontStyleBit::Bold) << "</b> restored the state <i> saved";
    EXPECT_EQ(elements[3].FontStyle, 0u);
}

TEST(HtmlMarkup, StrayClosingTagFallsBackToTheCaptionFont)
{
    const MarkupFont base{"Verdana", 9, Teal};
    auto elements = ParseMarkup(PrepareMarkup({"</b>after"}, base.Face, base.Size, base.Color, true), base);
    ASSERT_GE(elements.Count(), 1u);
    const MarkupElement& after = elements[0];
    EXPECT_EQ(std::tuple(after.Text, after.FontName, after.FontSize, after.FontColor, after.FontStyle),
              std::tuple("after", "Verdana", 9, Teal, 0u));
}

TEST(HtmlMarkup, BreaksWithNothingBetweenGiveOneBreak)
{
    EXPECT_EQ(Layout({"one<br><br>two"}, false), (Strings{"one", "two "}));
    auto elements = Measured("one<br><br><br>two");
    const auto runs = LayoutMarkup(elements, 400, 5, FakeWidth);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].Y, 5 + 16) << "no empty line between";
}

TEST(HtmlMarkup, UnclosedTagDropsEverythingFromItsBracket)
{
    auto elements = ParseMarkup("text<more and more");
    ASSERT_EQ(elements.Count(), 1u);
    EXPECT_EQ(elements[0].Text, "text");
    elements = Measured("a<br>b<");
    EXPECT_EQ(Lines(LayoutMarkup(elements, 400, 5, FakeWidth), elements), (Strings{"a", "b"}))
        << "text after a last break is still drawn";
}

TEST(HtmlMarkup, WrapsAtTheLastBlankThatFitsKeepingItOnTheUpperLine)
{
    // 5 + 60 pixels: ten characters a line.
    EXPECT_EQ(Layout({"aaa bbb ccc ddd"}, false, 65), (Strings{"aaa bbb ", "ccc ddd "}));
    auto elements = Measured("xx<b>yy zz</b>");
    EXPECT_EQ(Lines(LayoutMarkup(elements, 5 + 6 * 2 + 7 * 4, 5, FakeWidth), elements),
              (Strings{"xxyy ", "zz"}));
}

TEST(HtmlMarkup, RunWiderThanALineGoesAloneOnItsOwnLineAndLayoutEnds)
{
    EXPECT_EQ(Layout({"ab abcdefghijklmnop cd"}, false, 65), (Strings{"ab ", "abcdefghijklmnop ", "cd "}));
    auto elements = Measured("<b>unbreakable</b>");
    const auto runs = LayoutMarkup(elements, 1, 5, FakeWidth); // narrower than the margin
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Text, "unbreakable");
}
