// A second RTF reader, a real word processor, reads the export: LibreOffice converts one
// document holding every kind of body to text, in which each heading and body must appear, in
// order; and the export of an empty diary. The conversion takes several seconds, so one run
// of the word processor converts both.
#include "ExportSamples.h"

#include "formats/rtf/RtfWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace base::text;
using namespace formats::diary;
using namespace formats::rtf;
using namespace formats::rtfexport;

using namespace export_test;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

bool HaveLibreOffice()
{
    return std::system("command -v soffice >/dev/null 2>&1") == 0;
}

// The documents as LibreOffice's text export gives them (UTF-8, without the byte-order mark),
// converted in one run of the word processor.
std::vector<std::string> ConvertToText(const TempDir& dir, const std::vector<std::string>& documents)
{
    std::string files;
    for (size_t i = 0; i < documents.size(); ++i) {
        WriteBytes(dir / ("export" + std::to_string(i) + ".rtf"), documents[i]);
        files += " export" + std::to_string(i) + ".rtf";
    }
    const std::string command =
        "cd '" + dir.Path().string() + "' && HOME='" + dir.Path().string() +
        "' soffice --headless -env:UserInstallation=file://" + (dir / "profile").string() +
        " --convert-to 'txt:Text (encoded):UTF8' --outdir out" + files + " >convert.log 2>&1";
    const int status = std::system(command.c_str());
    std::vector<std::string> texts;
    for (size_t i = 0; i < documents.size(); ++i) {
        const auto file = dir / "out" / ("export" + std::to_string(i) + ".txt");
        if (status != 0 || !std::filesystem::exists(file)) {
            texts.push_back("conversion failed: " + ReadBytes(dir / "convert.log"));
            continue;
        }
        std::string text = ReadBytes(file);
        if (text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3);
        texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace

TEST(LibreOfficeReadsExport, EveryHeadingAndBodyInOrderAndAnEmptyDiary)
{
    ASSERT_TRUE(HaveLibreOffice())
        << "soffice is missing: `scripts/setup-deps test` installs libreoffice-writer-nogui";
    LineList records = SampleRecords();
    CharFormat bold{"Verdana", 24};
    bold.Bold = true;
    RichText own;
    own.Paragraphs.push_back({Alignment::Center, bold, {{bold, u"Centred and bold, caf\u00e9 \u20ac"}}});
    records.push_back(DayRecord(2024, 1, 10, 0, "Own \xE9t\xE9", WriteRtf(own, 1252, bold)));
    records.push_back(DayRecord(2024, 1, 11, 0, "Plain", "Plain text body\r\nsecond line"));

    TempDir dir;
    const std::vector<std::string> texts =
        ConvertToText(dir, {ExportDiary(records, Options(1252)), ExportDiary({}, Options())});
    EXPECT_EQ(texts[1].find_first_not_of("\r\n"), std::string::npos) << "the empty diary: " << texts[1];
    const std::string& text = texts[0];
    size_t at = 0;
    for (const std::string piece :
         {"5/1/2024 - Greek", GreekText, "6/1/2024 - Cyrillic", CyrillicText, "7/1/2024 - \n", UnicodeText,
          "8/1/2024 - Table", "Apples", "Pears", "Plums", "Figs", "After the table", "9/1/2024 - Word",
          "Word heading", "Paragraph with italic red and Greek αβγ.", "10/1/2024 - Own été",
          "Centred and bold, café €", "11/1/2024 - Plain", "Plain text body\nsecond line"}) {
        const size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << "\"" << piece << "\" after offset " << at << " in:\n" << text;
        at = found + piece.size();
    }
    for (const char* header : {"Normal", "Word User", "heading 1"})
        EXPECT_EQ(text.find(header), std::string::npos) << header;
}
