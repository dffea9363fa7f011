// The HTML, Markdown and text exports: what each keeps of a body's formatting, what each must
// escape so that no text turns into mark-up, and the folder of daily files.
#include "formats/exports/DiaryExports.h"
#include "formats/exports/HtmlExport.h"
#include "formats/exports/MarkdownExport.h"
#include "formats/exports/TextExport.h"

#include "support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace formats::exports;

using testing::HasSubstr;
using testing::Not;
using testing_support::ReadBytes;
using testing_support::TempDir;

namespace {

// 2024-03-14, mood 1 ("calm"): centred bold red, italic, underline, then a paragraph with a line break.
const std::string RiverWalk = "202403141River walk@@{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}"
                              "\\pard\\qc\\b\\cf1 Cold \\b0\\cf0\\i wind\\i0  and \\ul ducks\\ul0\\par"
                              "\\pard one\\line two\\par}";
// 2024-03-15, no mood digit, a plain-text body full of mark-up characters.
const std::string Hostile = "20240315xa <b> & *c*@@<script>alert(1)</script>@@# not a heading@@"
                            "1. not a list@@- nor this@@back\\slash [link](x) _under_ `code` ~~s~~";

// 2024-03-16: a PNG picture of 20 x 10 pixels (300 x 150 twips) and a metafile beside it.
const std::string WithPictures = "202403162@@{\\rtf1 Look:{\\pict\\pngblip\\picwgoal300\\pichgoal150 "
                                 "89504e470d0a1a0a}{\\pict\\wmetafile8\\picwgoal600\\pichgoal300 0102}\\par}";

} // namespace

TEST(HtmlExport, CarriesPicturesInsideThePage)
{
    const std::string html = ExportHtml({WithPictures}, {1252, "D"});
    EXPECT_THAT(html, HasSubstr("Look:</span><img alt=\"\" width=\"20\" height=\"10\" src=\"data:image/png;base64,iVBORw0KGgo=\">"));
    EXPECT_THAT(html, HasSubstr("<span class=\"picture\" style=\"width:40px;height:20px\"></span>"));

    const auto files = ExportMarkdownFolder({WithPictures}, {1252, ""});
    ASSERT_EQ(files.size(), 2u);
    EXPECT_THAT(files[0].Bytes, HasSubstr("Look:![](2024-03-16-picture-1.png)\\[picture\\]"));
    EXPECT_EQ(files[1].Name, "2024-03-16-picture-1.png");
    EXPECT_EQ(files[1].Bytes, "\x89PNG\r\n\x1A\n");
    EXPECT_THAT(ExportMarkdown({WithPictures}, {1252, ""}), HasSubstr("![](data:image/png;base64,iVBORw0KGgo=)"));
}

TEST(HtmlExport, KeepsFormattingAndEscapesEveryText)
{
    const std::string html = ExportHtml({RiverWalk, Hostile}, {1252, "My <Diary>"});
    EXPECT_THAT(html, HasSubstr("<meta charset=\"utf-8\">"));
    EXPECT_THAT(html, HasSubstr("<title>My &lt;Diary&gt;</title>"));
    EXPECT_THAT(html, HasSubstr("2024-03-14</time> · River walk <span class=\"mood\">(calm)</span></h2>"));
    EXPECT_THAT(html, HasSubstr("<p style=\"text-align:center\"><span style=\"font-size:12pt;color:#ff0000;\"><strong>Cold "));
    EXPECT_THAT(html, HasSubstr("<em>wind</em>"));
    EXPECT_THAT(html, HasSubstr("<u>ducks</u>"));
    EXPECT_THAT(html, HasSubstr("one<br>two"));
    EXPECT_LT(html.find("2024-03-14"), html.find("2024-03-15")) << "in the records' order";
    EXPECT_THAT(html, HasSubstr("a &lt;b&gt; &amp; *c*"));
    EXPECT_THAT(html, HasSubstr("&lt;script&gt;"));
    EXPECT_THAT(html, Not(HasSubstr("<script>")));
    EXPECT_THAT(html, Not(HasSubstr("<b>")));
}

TEST(MarkdownExport, MarksFormattingAndEscapesWhatWouldBecomeMarkUp)
{
    const std::string markdown = ExportMarkdown({RiverWalk, Hostile}, {1252, "Journal"});
    EXPECT_THAT(markdown, testing::StartsWith("# Journal\n\n## 2024-03-14 · River walk\n\n"));
    EXPECT_THAT(markdown, HasSubstr("**Cold** *wind* and <u>ducks</u>\n\none\\\ntwo\n\n"))
        << "blanks stay outside the marks; a line break is a hard break";
    EXPECT_THAT(markdown, HasSubstr("## 2024-03-15 · a \\<b\\> \\& \\*c\\*\n\n"));
    EXPECT_THAT(markdown, HasSubstr("\\<script\\>alert(1)\\</script\\>\n\n"));
    EXPECT_THAT(markdown, HasSubstr("\n\\# not a heading\n"));
    EXPECT_THAT(markdown, HasSubstr("\n1\\. not a list\n"));
    EXPECT_THAT(markdown, HasSubstr("\n\\- nor this\n"));
    EXPECT_THAT(markdown, HasSubstr("back\\\\slash \\[link\\](x) \\_under\\_ \\`code\\` \\~\\~s\\~\\~"));
}

TEST(MarkdownExport, AFolderHasADailyFileWithFrontMatter)
{
    const auto files = ExportMarkdownFolder({RiverWalk, "202403140Again \"quoted\"@@x", Hostile}, {1252, ""});
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].Name, "2024-03-14.md");
    EXPECT_EQ(files[1].Name, "2024-03-14-2.md") << "a damaged diary's second record of a day";
    EXPECT_EQ(files[2].Name, "2024-03-15.md");
    EXPECT_THAT(files[0].Bytes, testing::StartsWith("---\ntitle: \"River walk\"\ndate: 2024-03-14\nmood: calm\n---\n\n"));
    EXPECT_THAT(files[1].Bytes, HasSubstr("title: \"Again \\\"quoted\\\"\"\n"));
    EXPECT_THAT(files[2].Bytes, Not(HasSubstr("mood:")));
}

TEST(TextExport, GivesEachDayItsLineAndItsText)
{
    EXPECT_EQ(ExportText({RiverWalk, "202403162@@"}, 1252),
              "2024-03-14 · River walk (calm)\n\nCold wind and ducks\none\ntwo\n\n2024-03-16 (excited)\n\n\n");
}

TEST(DiaryExports, FormatsAreNamedAndWrittenWhereAsked)
{
    EXPECT_EQ(ExportFormatNamed("md-folder"), ExportFormat::MarkdownFolder);
    EXPECT_EQ(ExportFormatNamed("pdf"), std::nullopt);
    EXPECT_EQ(ExportFormatOfFile("/x/Diary.HTM"), ExportFormat::Html);
    EXPECT_EQ(ExportFormatOfFile("Diary Word Export"), ExportFormat::Rtf);

    TempDir dir;
    ExportRequest request{ExportFormat::MarkdownFolder, "Journal", {}};
    ASSERT_TRUE(WriteExport({RiverWalk, Hostile}, request, dir / "days" / "md").Ok());
    EXPECT_THAT(ReadBytes(dir / "days" / "md" / "2024-03-15.md"), HasSubstr("\\# not a heading"));

    request.Format = ExportFormat::Text;
    ASSERT_TRUE(WriteExport({RiverWalk}, request, dir / "d.txt").Ok());
    EXPECT_THAT(ReadBytes(dir / "d.txt"), testing::StartsWith("2024-03-14 · River walk"));
    const auto refused = WriteExport({RiverWalk}, request, dir / "days" / "md" / "2024-03-14.md" / "x.txt");
    EXPECT_EQ(refused.Code(), base::result::Reason::WriteFailed);
}
