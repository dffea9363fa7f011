// Reading other journals: jrnl's JSON, Day One's zip with its time zones and photos, a folder
// of Markdown daily notes (and our own Markdown export read back), and the bad sources each
// refuses whole with a message naming the file and the entry.
#include "base/dates/CalendarDate.h"
#include "formats/exports/MarkdownExport.h"
#include "formats/imports/JournalSources.h"
#include "formats/imports/MarkdownText.h"

#include "formats/rtf/Utf.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <zip.h>

#include <map>

using namespace formats::imports;

using base::result::Reason;
using formats::diary::DayDate;
using formats::rtf::ForEachUtf16;
using formats::rtf::RichText;
using testing::HasSubstr;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// A PNG file of one pixel.
const std::string OnePixelPng("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0\x1F\x15\xC4\x89"
                              "\0\0\0\x0AIDATx\x9C" "c\0\x01\0\0\x05\0\x01\x0D\x0A\x2D\xB4\0\0\0\0IEND\xAE\x42\x60\x82",
                              67);

// The text of the paragraphs, one line each; runs marked as *bold*, /italic/, _underline_, -strike-.
std::string Shown(const RichText& text, bool marks = false)
{
    std::string shown;
    for (const auto& paragraph : text.Paragraphs) {
        for (const auto& run : paragraph.Runs) {
            if (run.Picture) {
                shown += "<picture " + std::to_string(run.Picture->Data.size()) + ">";
                continue;
            }
            std::string utf8;
            ForEachUtf16(run.Text, [&](char32_t c) { base::text::AppendUtf8(utf8, c == 0x2028 ? U'|' : c); });
            const auto& f = run.Format;
            const std::string open = marks ? std::string(f.Bold ? "*" : "") + (f.Italic ? "/" : "") +
                                                 (f.Underline ? "_" : "") + (f.Strike ? "-" : "")
                                           : "";
            shown += open + utf8 + std::string(open.rbegin(), open.rend());
        }
        shown += "\n";
    }
    return shown;
}

// Offsets of the zones the tests use, as the platform's time-zone database gives them.
std::optional<LocalMoment> TestZones(int64_t seconds, std::string_view zone)
{
    static const std::map<std::string_view, int64_t> offsets{{"UTC", 0}, {"Europe/Berlin", 3600},
                                                              {"America/New_York", -4 * 3600}};
    const auto found = offsets.find(zone);
    if (found == offsets.end())
        return std::nullopt;
    const int64_t local = seconds + found->second;
    const int64_t days = local >= 0 ? local / 86400 : (local - 86399) / 86400;
    const base::dates::Date date = base::dates::DecodeDate(static_cast<double>(days + 25569)); // from 1899-12-30
    const int64_t second = local - days * 86400;
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    return LocalMoment{{date.Year, date.Month, date.Day}, time};
}

void WriteZip(const std::filesystem::path& file, const std::map<std::string, std::string>& members)
{
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const auto& [name, bytes] : members) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        ASSERT_GE(zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

const std::string DayOneJson = R"json({"metadata": {"version": "1.0"}, "entries": [
  {"creationDate": "2024-03-14T23:30:00Z", "timeZone": "Europe/Berlin",
   "text": "# Night train\n\nSlept **badly**.\n\n![](dayone-moment://P1)", "tags": ["travel"],
   "photos": [{"identifier": "P1", "md5": "0a1b", "type": "jpeg"}]},
  {"creationDate": "2024-03-15T02:00:00Z", "timeZone": "America/New_York", "text": "Late\nstill up"}]})json";

} // namespace

TEST(JrnlImport, ReadsEveryFieldAndRefusesAWholeSourceForOneBadEntry)
{
    const auto entries = ReadJrnl(R"({"tags": {"@work": 1}, "entries": [
        {"date": "2024-03-14", "time": "18:05", "title": "River walk", "body": "Cold wind.\nDucks.",
         "tags": ["@work"], "starred": true},
        {"date": "2024-03-14", "time": "07:00", "title": "Early", "body": "", "tags": [], "starred": false}]})",
                                  "jrnl.json");
    ASSERT_TRUE(entries.Ok()) << entries.Message();
    ASSERT_EQ(entries->size(), 2u);
    const ImportedEntry& walk = (*entries)[0];
    EXPECT_EQ(walk.Date, (DayDate{2024, 3, 14}));
    EXPECT_EQ(walk.Time, "18:05");
    EXPECT_EQ(walk.Title, "River walk");
    EXPECT_EQ(Shown(walk.Body), "Cold wind.\nDucks.\n");
    EXPECT_EQ(walk.Tags, (std::vector<std::string>{"\u2605", "@work"}));

    const auto badDate = ReadJrnl(R"({"entries": [{"date": "2024-03-14"}, {"date": "2024-02-30"}]})", "j.json");
    EXPECT_EQ(badDate.Code(), Reason::Refused);
    EXPECT_EQ(badDate.Message(), "j.json, entry 2: the date \"2024-02-30\" is not a day of the calendar");
    EXPECT_EQ(ReadJrnl("{\"entries\": [\n{\"date\": }", "j.json").Message(), "j.json: not valid JSON (line 2)");
    EXPECT_THAT(ReadJrnl(R"({"journal": []})", "j.json").Message(), HasSubstr("not a jrnl export"));
    EXPECT_EQ(ReadJrnl(R"({"entries": [{"date": "10000-01-01"}]})", "j.json").Code(), Reason::Refused);
}

TEST(DayOneImport, TimeZonesChooseTheLocalDayAndPhotosComeFromTheArchive)
{
    TempDir dir;
    WriteZip(dir / "export.zip", {{"Journal.json", DayOneJson}, {"photos/0a1b.jpeg", OnePixelPng}});
    const auto entries = ReadDayOne(dir / "export.zip", TestZones);
    ASSERT_TRUE(entries.Ok()) << entries.Message();
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].Date, (DayDate{2024, 3, 15})) << "half past midnight in Berlin";
    EXPECT_EQ((*entries)[0].Time, "00:30:00");
    EXPECT_EQ((*entries)[0].Title, "Night train");
    EXPECT_EQ(Shown((*entries)[0].Body, true), "Slept *badly*.\n<picture 67>\n") << "the photo's own bytes";
    EXPECT_EQ((*entries)[0].Tags, std::vector<std::string>{"travel"});
    EXPECT_EQ((*entries)[1].Date, (DayDate{2024, 3, 14})) << "ten at night in New York";
    EXPECT_EQ((*entries)[1].Title, "Late");

    WriteZip(dir / "nophoto.zip", {{"Journal.json", DayOneJson}});
    EXPECT_EQ(ReadDayOne(dir / "nophoto.zip", TestZones).Message(),
              "nophoto.zip, entry 1: the photo photos/0a1b.jpeg is missing from the export");
    WriteBytes(dir / "plain.zip", "not a zip");
    EXPECT_EQ(ReadDayOne(dir / "plain.zip", TestZones).Message(), "plain.zip: not a zip archive, or damaged");
    WriteZip(dir / "other.zip", {{"readme.txt", "hello"}});
    EXPECT_THAT(ReadDayOne(dir / "other.zip", TestZones).Message(), HasSubstr("not a Day One export"));
}

TEST(MarkdownFolderImport, ReadsDailyNotesWithOrWithoutFrontMatter)
{
    TempDir dir;
    WriteBytes(dir / "2024-03-14.md", "---\ntitle: \"River \\\"walk\\\"\"\ntags: [outside, 'cold']\nmood: Calm\n---\n\n"
                                      "Ducks *everywhere*.\n");
    WriteBytes(dir / "2024-03-15 evening.md", "# Supper\n\n- bread\n- soup\n\n1. wash\n2. dry\n");
    WriteBytes(dir / "2024-03-16.md", "---\ndate: 2024-03-20T21:15\ntags:\n  - a\n  - b\n---\n#tag only\n");
    WriteBytes(dir / "notes.md", "not a daily note");
    const auto entries = ReadMarkdownFolder(dir.Path());
    ASSERT_TRUE(entries.Ok()) << entries.Message();
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0].Title, "River \"walk\"");
    EXPECT_EQ((*entries)[0].Tags, (std::vector<std::string>{"outside", "cold"}));
    EXPECT_EQ((*entries)[0].Mood, 1);
    EXPECT_EQ(Shown((*entries)[0].Body, true), "Ducks /everywhere/.\n");
    EXPECT_EQ((*entries)[1].Title, "Supper");
    EXPECT_EQ(Shown((*entries)[1].Body), "\u2022 bread\n\u2022 soup\n1. wash\n2. dry\n");
    EXPECT_EQ((*entries)[2].Date, (DayDate{2024, 3, 20})) << "the front matter's date wins";
    EXPECT_EQ((*entries)[2].Time, "21:15");
    EXPECT_EQ((*entries)[2].Title, "");
    EXPECT_EQ((*entries)[2].Tags, (std::vector<std::string>{"a", "b"}));

    WriteBytes(dir / "2024-03-17.md", "---\ndate: 2024-13-01\n---\n");
    EXPECT_EQ(ReadMarkdownFolder(dir.Path()).Message(),
              dir.Path().string() + "/2024-03-17.md: the date \"2024-13-01\" is not a day of the calendar");
    TempDir empty;
    EXPECT_EQ(ReadMarkdownFolder(empty.Path()).Code(), Reason::Refused);
}

TEST(MarkdownFolderImport, PicturesOfTheFolderExportComeBack)
{
    TempDir dir;
    formats::rtf::Picture picture;
    picture.Kind = formats::rtf::PictureKind::Png;
    picture.Data = OnePixelPng;
    RichText body = MarkdownToRichText("before");
    body.Paragraphs[0].Runs.push_back(PictureRun(picture));
    WriteBytes(dir / "2024-03-14.md", "# Walk\n\n" + formats::exports::BodyMarkdown(body, [](const auto&) {
                                          return std::string("pictures/one.png");
                                      }) + "![left](../outside.png) ![gone](missing.png) ![](" +
                                          formats::exports::PictureDataAddress(picture) + ")\n");
    std::filesystem::create_directory(dir / "pictures");
    WriteBytes(dir / "pictures" / "one.png", OnePixelPng);
    WriteBytes(dir.Path().parent_path() / "outside.png", OnePixelPng);
    const auto entries = ReadMarkdownFolder(dir.Path());
    ASSERT_TRUE(entries.Ok()) << entries.Message();
    EXPECT_EQ(Shown((*entries)[0].Body), "before<picture 67>\n[left] [gone] <picture 67>\n")
        << "files of the folder and data: addresses, nothing above the folder";
    std::filesystem::remove(dir.Path().parent_path() / "outside.png");
}

TEST(MarkdownText, KeepsEmphasisBreaksAndEntitiesAndReadsBackWhatTheExportWrites)
{
    EXPECT_EQ(Shown(MarkdownToRichText("**b** *i* ~~s~~ <u>u</u> `c`  \nnext &amp; &#955;\n\n> quoted"), true),
              "*b* /i/ -s- _u_ c|next & \u03BB\n/quoted/\n");

    RichText written = MarkdownToRichText("x");
    written.Paragraphs[0].Runs[0].Text = u"1. *not* a list # or <b> & \\ [x]";
    written.Paragraphs[0].Runs[0].Format.Bold = true;
    EXPECT_EQ(Shown(MarkdownToRichText(formats::exports::BodyMarkdown(written)), true),
              "*1. *not* a list # or <b> & \\ [x]*\n");
}
