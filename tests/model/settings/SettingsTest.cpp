#include "model/settings/Settings.h"
#include "base/dates/CalendarDate.h"
#include "model/settings/MainSettings.h"

#include "support/RegistryValues.h"
#include "support/TestFiles.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

using namespace base::dates;
using namespace base::result;
using namespace model::settings;
using namespace platform::registry;

using testing_support::DbkKey;
using testing_support::Dword;
using testing_support::FailureOf;
using testing_support::ReadBytes;
using testing_support::Sz;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// Settings under the program's key.
struct DbkSettings : Settings {
    explicit DbkSettings(RegistryFile store) : Settings(std::move(store)) { Key = "SOFTWARE\\Kestrine\\DBK"; }
};

// Every test keeps its registry in a file of its own, read back as a document.
class SettingsTest : public ::testing::Test {
protected:
    using enum SettingsValueType;

    SettingsTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~SettingsTest() override { QLocale::setDefault(QLocale::system()); }

    // Declares the item, which must load, and gives it back.
    static SettingsValue& Declared(Settings& settings, const SettingsValueDescription& description)
    {
        const auto declared = settings.Declare(description);
        EXPECT_TRUE(declared.Ok()) << declared.Message();
        return settings.Items()[settings.Items().Count() - 1];
    }

    std::optional<RegData> Stored(const std::string& name, const std::string& key = DbkKey) const
    {
        if (!std::filesystem::exists(file_))
            return std::nullopt;
        const auto document = ParseRegText(ReadBytes(file_));
        const RegData* data = document ? document->FindValue(key, name) : nullptr;
        return data == nullptr ? std::nullopt : std::optional(*data);
    }

    void Store(const std::string& line)
    {
        WriteBytes(file_, "REGEDIT4\r\n\r\n[" + DbkKey + "]\r\n" + line + "\r\n");
    }

    TempDir folder_;
    std::filesystem::path file_ = folder_ / "registry.reg";
    RegistryFile store_{file_, {}};
};

RegData Double(double value)
{
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &value, 8);
    return {RegType::Binary, bytes};
}

template <class Value> std::optional<Value> Read(const Result<Value>& converted)
{
    return converted ? std::optional(*converted) : std::nullopt;
}

} // namespace

TEST_F(SettingsTest, EveryTypeIsWrittenAtDestructionAndReadBackWithItsOwnType)
{
    const model::settings::DateTime when{EncodeDate(2024, 2, 29) + (13 * 3600 + 5 * 60 + 9) / 86400.0};
    {
        DbkSettings settings(store_);
        ASSERT_TRUE(Declared(settings, {"Ratio", Float, std::nullopt}).SetAsFloat(0.1));
        ASSERT_TRUE(Declared(settings, {"Flag", Boolean, std::nullopt}).SetAsBoolean(true));
        ASSERT_TRUE(Declared(settings, {"Name", String, std::nullopt}).SetAsString("My Diary.dry"));
        ASSERT_TRUE(Declared(settings, {"Count", Integer, std::nullopt}).SetAsInteger(INT32_MIN));
        ASSERT_TRUE(Declared(settings, {"When", DateTime, std::nullopt}).SetAsDateTime(when));
        EXPECT_FALSE(std::filesystem::exists(file_)) << "nothing is written while the program runs";
    }
    const std::vector<
        std::tuple<const char*, SettingsValueType, std::optional<std::string_view>, RegData, Variant>>
        values{{"Ratio", Float, "5", Double(0.1), Variant(0.1)},
               {"Flag", Boolean, "FALSE", Dword(1), Variant(true)},
               {"Name", String, "default.dry", Sz("My Diary.dry"), Variant("My Diary.dry")},
               {"Count", Integer, "0", Dword(0x80000000), Variant(INT32_MIN)},
               {"When", DateTime, std::nullopt, Double(when.Value), Variant(when)}};
    DbkSettings settings(store_);
    for (const auto& [name, type, defaultText, stored, read] : values) {
        EXPECT_EQ(Stored(name), stored) << name;
        ASSERT_TRUE(settings.Declare({name, type, defaultText}));
        EXPECT_EQ(Read(settings.GetValue(name)), read) << name;
    }
}

TEST_F(SettingsTest, AbsentValuesTakeTheirDefaultsAndEmptyOnesAreWrittenAsZero)
{
    {
        DbkSettings settings(store_);
        SettingsValue& skin = Declared(settings, {"CurrentSkin", Integer, std::nullopt});
        SettingsValue& name = Declared(settings, {"LastDiaryName", String, "default.dry"});
        SettingsValue& upper = Declared(settings, {"Upper", Boolean, "true"});
        SettingsValue& one = Declared(settings, {"One", Boolean, "1"});
        Declared(settings, {"Text", String, std::nullopt});
        Declared(settings, {"Ratio", Float, std::nullopt});
        Declared(settings, {"When", DateTime, std::nullopt});

        EXPECT_EQ(Read(skin.AsInteger()), 0);
        EXPECT_EQ(Read(settings.GetValue("Ratio")->ToBoolean()), false) << "an empty value is false";
        EXPECT_EQ(name.AsString(), "default.dry");
        EXPECT_EQ(Read(upper.AsBoolean()), true) << "the text is upper-cased before it is compared";
        EXPECT_EQ(Read(one.AsBoolean()), false) << "only the word true is true";
        EXPECT_EQ(upper.DefValue(), "TRUE");
    }
    EXPECT_EQ(Stored("CurrentSkin"), Dword(0));
    EXPECT_EQ(Stored("Text"), Sz(""));
    EXPECT_EQ(Stored("Ratio"), Double(0));
    EXPECT_EQ(Stored("Upper"), Dword(1));
}

TEST_F(SettingsTest, UnparsableDefaultsAreRefusedAndTheItemsStillLoad)
{
    Store("\"B\"=hex:00,00,00,00,00,00,f8,3f");
    DbkSettings settings(store_);
    EXPECT_EQ(FailureOf(settings.Declare({"B", Float, "1,5"}), Reason::Refused),
              "'1,5' is not a valid floating point value");
    EXPECT_EQ(Read(settings.GetValue("B")), Variant(1.5)) << "the stored value is loaded all the same";
}

TEST_F(SettingsTest, AStoredValueOfTheWrongTypeIsRefusedAndTheValueKept)
{
    Store("\"CurrentSkin\"=\"3\"\r\n\"Ratio\"=hex:00,00,00,00\r\n\"Name\"=dword:00000001\r\n"
          "\"When\"=hex:00,00,00,00,00,00,00,00,00\r\n\"Flag\"=hex(2):31,00\r\n"
          "\"Path\"=hex(2):25,54,25,00\r\n\"Empty\"=hex(1):\r\n\"Two\"=dword:00000002");
    DbkSettings settings(store_);
    for (const auto& [name, type] : {std::pair{"CurrentSkin", Integer}, std::pair{"Ratio", Float},
                                     std::pair{"When", DateTime}, std::pair{"Flag", Boolean}})
        EXPECT_EQ(FailureOf(settings.Declare({name, type, "0"}), Reason::Damaged),
                  "Invalid data type for '" + std::string(name) + "'");
    SettingsValue& name = settings.Items().Add(settings);
    name.Value = "kept";
    EXPECT_EQ(FailureOf(name.SetValueName("Name"), Reason::Damaged), "Invalid data type for 'Name'");
    EXPECT_EQ(name.AsString(), "kept");
    EXPECT_EQ(Declared(settings, {"Path", String, std::nullopt}).AsString(), "%T%") << "no expansion";
    EXPECT_EQ(Declared(settings, {"Empty", String, "x"}).AsString(), "") << "size 0 reads as empty";
    EXPECT_EQ(Declared(settings, {"Two", Boolean, "FALSE"}).Value, Variant(true))
        << "any number but 0 is true";
}

TEST_F(SettingsTest, NamesAreFoundWhateverTheirCaseTheFirstOfTwoWinsAndOthersAreRefused)
{
    {
        DbkSettings settings(store_);
        Declared(settings, {"LastDiaryName", String, "default.dry"});
        Declared(settings, {"lastdiaryNAME", String, "second.dry"});
        EXPECT_EQ(Read(settings.GetValue("lastdiaryname")), Variant("default.dry"));
        ASSERT_TRUE(settings.SetValue("LASTDIARYNAME", "first.dry"));
        EXPECT_EQ(settings.Items()[0].AsString(), "first.dry");
        EXPECT_EQ(settings.Items()[1].AsString(), "second.dry");
        EXPECT_EQ(FailureOf(settings.GetValue("Missing"), Reason::Refused), "Invalid Value Name!Missing");
        EXPECT_EQ(settings.Items()[0].AsString(), "first.dry") << "a refused name changes nothing";
    }
    EXPECT_EQ(Stored("LastDiaryName"), Sz("second.dry")) << "both are saved, the later one last";
}

TEST_F(SettingsTest, ValuesSetByNameAreConvertedOnlyWhenSaved)
{
    std::vector<std::string> errors;
    {
        DbkSettings settings(store_);
        settings.OnDestroyError = [&](const std::string& message) { errors.push_back(message); };
        Declared(settings, {"Twelve", Integer, "0"});
        Declared(settings, {"Bad", Integer, "0"});
        Declared(settings, {"BadDate", DateTime, std::nullopt});
        Declared(settings, {"After", String, "still saved"});
        Declared(settings, {"True", Integer, "0"});
        Declared(settings, {"Half", Integer, "0"});
        ASSERT_TRUE(settings.SetValue("True", true));
        ASSERT_TRUE(settings.SetValue("Half", 2.5));
        ASSERT_TRUE(settings.SetValue("Twelve", "12"));
        ASSERT_TRUE(settings.SetValue("Bad", "twelve"));
        ASSERT_TRUE(settings.SetValue("BadDate", "2/30/2024"));
        EXPECT_EQ(Read(settings.GetValue("Twelve")), Variant("12")) << "kept as given";
    }
    EXPECT_EQ(Stored("Twelve"), Dword(12));
    EXPECT_EQ(Stored("True"), Dword(0xFFFFFFFF)) << "true is the number -1";
    EXPECT_EQ(Stored("Half"), Dword(2)) << "halves round to even";
    EXPECT_FALSE(Stored("Bad").has_value());
    EXPECT_FALSE(Stored("BadDate").has_value());
    EXPECT_EQ(Stored("After"), Sz("still saved")) << "one failing item does not lose the others";
    EXPECT_EQ(errors,
              (std::vector<std::string>{"Could not convert variant of type (String) into type (Integer)",
                                        "Could not convert variant of type (String) into type (Date)"}));
}

TEST_F(SettingsTest, SubKeysRootKeysAndAutoStoreChooseWhereAndWhetherToWrite)
{
    {
        DbkSettings settings(store_);
        Declared(settings, {"FontName", String, "Arial", "Fonts"});
        Declared(settings, {"Scratch", String, "x", "", false});
        settings.SetRootKey(SettingsRoot::LocalMachine);
        Declared(settings, {"Machine", Integer, "4"});
    }
    const std::string machine = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrine\\DBK";
    EXPECT_EQ(Stored("Machine", machine), Dword(4));
    EXPECT_TRUE(Stored("FontName", machine + "\\Fonts").has_value()) << "the save uses the component's hive";
    EXPECT_FALSE(Stored("Scratch", machine).has_value()) << "items not marked AutoStore are never written";
    EXPECT_FALSE(Stored("FontName").has_value());
}

TEST_F(SettingsTest, ASaveThatCannotWriteFailsWithTheDesignedTextUnlessNothingChanged)
{
    Store("\"A\"=\"1\"\r\n\"B\"=\"2\"");
    std::filesystem::permissions(file_, std::filesystem::perms::owner_read);
    const std::string before = ReadBytes(file_);
    std::vector<std::string> errors;
    {
        DbkSettings settings(store_);
        settings.OnDestroyError = [&](const std::string& message) { errors.push_back(message); };
        SettingsValue& item = Declared(settings, {"A", String, std::nullopt});
        Declared(settings, {"B", String, std::nullopt});
        ASSERT_TRUE(item.Save()) << "the value is stored already";
        item.Value = "2";
        EXPECT_EQ(FailureOf(item.Save(), Reason::WriteFailed), "Failed to set data for 'A'");
        EXPECT_EQ(FailureOf(settings.SaveAll(), Reason::WriteFailed), "Failed to set data for 'A'");
    }
    EXPECT_EQ(errors, (std::vector<std::string>{"Failed to set data for 'A'", "Failed to set data for 'B'"}))
        << "at exit each item of the failed write is told";
    EXPECT_EQ(ReadBytes(file_), before);
}

TEST_F(SettingsTest, MainSettingsAreStoredInTheDesignedFileAndAWrongTypeTakesItsDefault)
{
    {
        Settings settings(store_);
        DeclareMainSettings(settings, [](const std::string& message) { ADD_FAILURE() << message; });
        ASSERT_TRUE(settings.SetValue("LastDiaryName", "Caf\xE9.dry"));
        ASSERT_TRUE(settings.SetValue("CurrentSkin", int32_t{3}));
    }
    EXPECT_EQ(ReadBytes(file_), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n"
                                "\"LastDiaryName\"=\"Caf\xE9.dry\"\r\n\"SkinNumber\"=dword:00000000\r\n"
                                "\"CurrentSkin\"=dword:00000003\r\n\"FontName\"=\"Arial\"\r\n"
                                "\"FontColor\"=dword:00000000\r\n\"FontCharset\"=dword:00000001\r\n"
                                "\"FontSize\"=dword:0000000a\r\n\"FontStyle\"=dword:00000000\r\n"
                                "\"ShowScrollbars\"=dword:00000000\r\n\"LastTop\"=dword:ffffffff\r\n"
                                "\"LastLeft\"=dword:ffffffff\r\n\"LastWidth\"=dword:ffffffff\r\n"
                                "\"LastHeight\"=dword:ffffffff\r\n\r\n");

    // A value of the wrong type is told and takes its default; the others still load.
    Store("\"FontSize\"=\"12\"\r\n\"CurrentSkin\"=dword:00000002");
    {
        Settings settings(store_);
        std::vector<std::string> told;
        DeclareMainSettings(settings, [&](const std::string& message) { told.push_back(message); });
        EXPECT_EQ(told, std::vector<std::string>{"Invalid data type for 'FontSize'"});
        EXPECT_EQ(Read(settings.GetValue("FontSize")), Variant(int32_t{10}));
        EXPECT_EQ(Read(settings.GetValue("CurrentSkin")), Variant(int32_t{2}));
    }
    EXPECT_EQ(Stored("FontSize"), Dword(10)) << "rewritten in its own type at exit";

}
