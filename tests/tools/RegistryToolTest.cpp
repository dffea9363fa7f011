// import-registry: a keeper and its settings brought over from a Windows registry export.
#include "ToolRun.h"

#include "base/text/CodePage.h"
#include "platform/registry/Registry.h"

using namespace base::text;
using namespace platform::registry;

namespace {

// Text as the Windows registry editor saves a Version 5.00 export: UTF-16LE after a byte-order mark.
std::string Utf16File(const std::string& utf8)
{
    std::string bytes = "\xFF\xFE";
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = NextUtf8(utf8, i);
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8 & 0xFF);
    }
    return bytes;
}

// A hex list as the registry editor writes it, continued over lines.
std::string HexValue(const std::string& prefix, const std::string& bytes)
{
    std::string text = prefix;
    char digits[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(bytes[i]));
        text += digits;
        if (i + 1 < bytes.size())
            text += (i + 1) % 25 == 0 ? ",\\\r\n  " : ",";
    }
    return text;
}

class ImportRegistryTest : public DaybrookToolTest {
protected:
    std::string Export(const std::string& name, const std::string& birthdayData) const
    {
        return "Windows Registry Editor Version 5.00\r\n\r\n"
               "[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n"
               "\"LastDiaryName\"=\"" +
               name +
               "\"\r\n"
               "\"CurrentSkin\"=dword:00000003\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Kestrine\\BirthDay]\r\n" +
               HexValue("\"Data\"=hex:", birthdayData) +
               "\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Someone Else]\r\n"
               "\"Colour\"=\"red\"\r\n\"Size\"=dword:00000002\r\n\r\n";
    }

    std::optional<RegData> Stored(const std::string& key, const std::string& name) const
    {
        Registry registry({dir_ / "registry.reg", {}});
        if (!registry.OpenKey(key, false))
            return std::nullopt;
        return registry.ReadValue(name);
    }

    std::string birthdays_ = ReadBytes(VectorPath("birthdays/entries.bbk"));
    std::string exportFile_ = (dir_ / "export.reg").string();
};

} // namespace

TEST_F(ImportRegistryTest, AVersion5ExportBringsTheSettingsAndTheBirthdaysOver)
{
    WriteBytes(exportFile_, Utf16File(Export("Caf\xC3\xA9 notes", birthdays_)));
    ToolRun run = Run({"import-registry", exportFile_});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK\\LastDiaryName (new)\n"));
    EXPECT_THAT(run.Out, HasSubstr("HKEY_CURRENT_USER\\Software\\Kestrine\\BirthDay\\Data (new)\n"));
    EXPECT_THAT(run.Out, HasSubstr("3 values set, 0 unchanged; 1 other keys with 2 values ignored"));

    EXPECT_EQ(Stored("SOFTWARE\\Kestrine\\DBK", "LastDiaryName"),
              (RegData{RegType::String, std::string("Caf\xE9 notes\0", 11)}));
    EXPECT_EQ(Stored("Software\\Someone Else", "Colour"), std::nullopt);

    run = Run({"birthdays", "list", "--json", "--registry"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, ReadBytes(VectorPath("birthdays/entries.json")) + "\n");

    // A dry run lists what would change and writes nothing.
    const std::string before = ReadBytes(dir_ / "registry.reg");
    WriteBytes(exportFile_, Utf16File(Export("New", birthdays_)));
    run = Run({"import-registry", "--dry-run", exportFile_});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("DBK\\LastDiaryName (changed)"));
    EXPECT_THAT(run.Out, HasSubstr("DBK\\CurrentSkin (unchanged)"));
    EXPECT_THAT(run.Out, HasSubstr("1 values would be set, 2 unchanged"));
    EXPECT_EQ(ReadBytes(dir_ / "registry.reg"), before);
}

TEST_F(ImportRegistryTest, AnExportThatWouldLoseOrGarbleDataIsRefusedWhole)
{
    // A birthday list cut short.
    WriteBytes(exportFile_, Utf16File(Export("Ann", birthdays_.substr(0, 300))));
    ExpectFailure(Run({"import-registry", exportFile_}), 65,
                  "the birthday list cannot be read (Invalid stream format)");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "registry.reg"));

    EXPECT_EQ(Run({"import-registry", (dir_ / "none.reg").string()}).Status, 1);
}
