// Exports of the Windows registry editor in Version 5.00 form, UTF-16LE with a byte-order mark,
// read as settings files: text lands in the run's code page, and the store writes it back in
// its own 8-bit form.
#include "platform/locale/DiaryCodePage.h"
#include "platform/registry/Registry.h"

#include "support/RegistryValues.h"
#include "support/TestFiles.h"

#include <QString>

#include <gtest/gtest.h>

using namespace platform::locale;
using namespace platform::registry;

using testing_support::DbkKey;
using testing_support::Dword;
using testing_support::Parsed;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

std::string Utf16File(const QString& text)
{
    std::string bytes = "\xFF\xFE";
    for (const QChar c : text) {
        bytes += static_cast<char>(c.unicode() & 0xFF);
        bytes += static_cast<char>(c.unicode() >> 8);
    }
    return bytes;
}

const QString Export = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                      "[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n"
                                      "\"LastDiaryName\"=\"Caf\u00e9 \\\"quoted\\\"\"\r\n"
                                      "\"CurrentSkin\"=dword:00000004\r\n"
                                      "\"Folder\"=hex(2):25,00,41,00,25,00,e9,00,00,00\r\n"
                                      "\"Names\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                                      "\"LastLeft\"=hex:00,00,00,00,00,00,\\\r\n  59,40\r\n");

// Why the text was refused; empty when it was read.
std::string Refusal(const std::string& bytes)
{
    const auto document = ParseRegText(bytes);
    return document ? std::string() : document.Message();
}

class UnicodeExportTest : public testing::Test {
protected:
    void SetUp() override { SetDiaryCodePage(1252); }
    void TearDown() override { SetDiaryCodePage(1252); }
};

} // namespace

TEST_F(UnicodeExportTest, TextAndStringDataAreConvertedToTheCodePage)
{
    const RegDocument document = Parsed(Utf16File(Export));
    EXPECT_EQ(*document.FindValue(DbkKey, "LastDiaryName"),
              (RegData{RegType::String, std::string("Caf\xE9 \"quoted\"\0", 14)}));
    EXPECT_EQ(*document.FindValue(DbkKey, "CurrentSkin"), Dword(4));
    EXPECT_EQ(*document.FindValue(DbkKey, "Folder"),
              (RegData{RegType::ExpandString, std::string("%A%\xE9\0", 5)}));
    EXPECT_EQ(*document.FindValue(DbkKey, "Names"),
              (RegData{RegType::MultiString, std::string("a\0b\0\0", 5)}));
    EXPECT_EQ(*document.FindValue(DbkKey, "LastLeft"),
              (RegData{RegType::Binary, std::string("\0\0\0\0\0\0\x59\x40", 8)}));

    // The same export saved as UTF-8 with a mark reads the same.
    const QByteArray utf8 = Export.toUtf8();
    const RegDocument fromUtf8 = Parsed("\xEF\xBB\xBF" + utf8.toStdString());
    EXPECT_EQ(FormatRegText(fromUtf8), FormatRegText(document));
}

TEST_F(UnicodeExportTest, TextTheCodePageCannotHoldIsRefusedWithItsLine)
{
    QString greek = Export;
    greek.replace(QStringLiteral("Caf\u00e9"), QStringLiteral("\u039d\u03af\u03ba\u03bf\u03c2"));
    EXPECT_EQ(Refusal(Utf16File(greek)), "line 4: text that code page 1252 cannot hold");

    ASSERT_TRUE(SetDiaryCodePage(1253));
    greek.replace(QStringLiteral("25,00,e9,00"), QStringLiteral("25,00,b1,03"));
    const RegDocument document = Parsed(Utf16File(greek));
    EXPECT_EQ(document.FindValue(DbkKey, "LastDiaryName")->Bytes,
              std::string("\xCD\xDF\xEA\xEF\xF2 \"quoted\"\0", 15));
    EXPECT_EQ(document.FindValue(DbkKey, "Folder")->Bytes, std::string("%A%\xE1\0", 5));
    SetDiaryCodePage(1252);

    EXPECT_EQ(Refusal(Utf16File(Export) + "x"), "a UTF-16 file with an odd number of bytes");
}

TEST_F(UnicodeExportTest, AnExportGivenAsTheSettingsFileIsReadAndRewrittenAsRegedit4)
{
    const TempDir dir;
    WriteBytes(dir / "registry.reg", Utf16File(Export));
    std::vector<std::string> problems;
    Registry registry(
        {dir / "registry.reg", [&](const std::string& message) { problems.push_back(message); }});
    ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Kestrine\\DBK", false));
    EXPECT_EQ(registry.ReadValue("lastdiaryname")->Bytes, std::string("Caf\xE9 \"quoted\"\0", 14));

    ASSERT_TRUE(registry.WriteValue("CurrentSkin", Dword(5)));
    EXPECT_TRUE(problems.empty());
    const std::string rewritten = ReadBytes(dir / "registry.reg");
    EXPECT_EQ(rewritten.substr(0, 10), "REGEDIT4\r\n");
    EXPECT_NE(rewritten.find("\"LastDiaryName\"=\"Caf\xE9 \\\"quoted\\\"\""), std::string::npos) << rewritten;
    EXPECT_NE(rewritten.find("\"Folder\"=hex(2):25,41,25,e9,00"), std::string::npos) << rewritten;
}
