#include "model/settings/Settings.h"
#include "base/dates/CalendarDate.h"

#include "support/TestFiles.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using calendar::EncodeDate;
using platform::RegData;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

const char* const DbkKey = "HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK";

// Every test keeps its registry in a file of its own, read back as a document.
class RegValuesTest : public ::testing::Test {
protected:
    RegValuesTest()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~RegValuesTest() override { QLocale::setDefault(QLocale::system()); }

    static void Prepare(Settings& reger) { reger.Key = "SOFTWARE\\Kestrine\\DBK"; }

    std::optional<RegData> Stored(const std::string& name, const std::string& key = DbkKey) const
    {
        std::string text;
        if (!std::filesystem::exists(file))
            return std::nullopt;
        const auto document = platform::ParseRegText(ReadBytes(file));
        const RegData* data = document ? document->FindValue(key, name) : nullptr;
        return data == nullptr ? std::nullopt : std::optional(*data);
    }

    void Store(const std::string& line)
    {
        WriteBytes(file, "REGEDIT4\r\n\r\n[" + std::string(DbkKey) + "]\r\n" + line + "\r\n");
    }

    TempDir folder;
    std::filesystem::path file = folder / "registry.reg";
    platform::RegistryFile store{file, {}};
};

RegData Dword(uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    return {platform::rtDword, bytes};
}

RegData Double(double value)
{
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &value, 8);
    return {platform::rtBinary, bytes};
}

template <typename Error> std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "(nothing raised)";
}

} // namespace

TEST_F(RegValuesTest, EveryTypeIsWrittenAtDestructionAndReadBackWithItsOwnType)
{
    const double when = EncodeDate(2024, 2, 29) + (13 * 3600 + 5 * 60 + 9) / 86400.0;
    {
        Settings reger(store);
        Prepare(reger);
        reger.Declare({"Ratio", vtFloat, std::nullopt}).SetAsFloat(0.1);
        reger.Declare({"Flag", vtBoolean, std::nullopt}).SetAsBoolean(true);
        reger.Declare({"Name", vtString, std::nullopt}).SetAsString("My Diary.dry");
        reger.Declare({"Count", vtInteger, std::nullopt}).SetAsInteger(-7);
        reger.Declare({"When", vtDateTime, std::nullopt}).SetAsDateTime(DateTime{when});
        EXPECT_FALSE(std::filesystem::exists(file)) << "nothing is written while the program runs";
    }
    EXPECT_EQ(Stored("Ratio"), Double(0.1));
    EXPECT_EQ(Stored("Flag"), Dword(1));
    EXPECT_EQ(Stored("Name"), (RegData{platform::rtString, std::string("My Diary.dry\0", 13)}));
    EXPECT_EQ(Stored("Count"), Dword(0xFFFFFFF9));
    EXPECT_EQ(Stored("When"), Double(when));

    Settings reger(store);
    Prepare(reger);
    reger.Declare({"Ratio", vtFloat, "5"});
    reger.Declare({"Flag", vtBoolean, "FALSE"});
    reger.Declare({"Name", vtString, "default.dry"});
    reger.Declare({"Count", vtInteger, "0"});
    reger.Declare({"When", vtDateTime, std::nullopt});
    EXPECT_EQ(reger.GetValue("Ratio"), Variant(0.1));
    EXPECT_EQ(reger.GetValue("Flag"), Variant(true));
    EXPECT_EQ(reger.GetValue("Name"), Variant("My Diary.dry"));
    EXPECT_EQ(reger.GetValue("Count"), Variant(int32_t{-7}));
    EXPECT_EQ(reger.GetValue("When"), Variant(DateTime{when}));
}

TEST_F(RegValuesTest, AbsentValuesTakeTheirDefaultsAndEmptyOnesAreWrittenAsZero)
{
    {
        Settings reger(store);
        Prepare(reger);
        SettingsValue& skin = reger.Declare({"CurrentSkin", vtInteger, std::nullopt});
        SettingsValue& name = reger.Declare({"LastDiaryName", vtString, "default.dry"});
        SettingsValue& upper = reger.Declare({"Upper", vtBoolean, "true"});
        SettingsValue& one = reger.Declare({"One", vtBoolean, "1"});
        reger.Declare({"Text", vtString, std::nullopt});
        reger.Declare({"Ratio", vtFloat, std::nullopt});
        reger.Declare({"When", vtDateTime, std::nullopt});

        EXPECT_TRUE(skin.Value.IsEmpty());
        EXPECT_EQ(reger.GetValue("CurrentSkin").ToInteger(), 0);
        EXPECT_EQ(reger.GetValue("Text").ToString(), "");
        EXPECT_FALSE(reger.GetValue("Ratio").ToBoolean());
        EXPECT_EQ(name.AsString(), "default.dry");
        EXPECT_TRUE(upper.AsBoolean()) << "the text is upper-cased before it is compared";
        EXPECT_FALSE(one.AsBoolean()) << "only the word true is true";
        EXPECT_EQ(upper.DefValue(), "TRUE");
        EXPECT_EQ(one.DefValue(), "FALSE");
        EXPECT_EQ(name.DefValue(), "default.dry");
    }
    EXPECT_EQ(Stored("CurrentSkin"), Dword(0));
    EXPECT_EQ(Stored("Text"), (RegData{platform::rtString, std::string("\0", 1)}));
    EXPECT_EQ(Stored("Ratio"), Double(0));
    EXPECT_EQ(Stored("When"), Double(0));
    EXPECT_EQ(Stored("Upper"), Dword(1));
}

TEST_F(RegValuesTest, UnparsableDefaultsRaiseTheConversionErrors)
{
    Settings reger(store);
    Prepare(reger);
    EXPECT_EQ(MessageOf<ConvertError>([&] {
                  reger.Declare({"A", vtInteger, "ten"});
              }),
              "'ten' is not a valid integer value");
    EXPECT_EQ(MessageOf<ConvertError>([&] {
                  reger.Declare({"B", vtFloat, "1,5"});
              }),
              "'1,5' is not a valid floating point value");
    EXPECT_EQ(MessageOf<ConvertError>([&] {
                  reger.Declare({"C", vtDateTime, "2/30/2024"});
              }),
              "'2/30/2024' is not a valid date and time");
}

TEST_F(RegValuesTest, AStoredValueOfTheWrongTypeIsRefusedAndTheValueKept)
{
    Store("\"CurrentSkin\"=\"3\"\r\n\"Ratio\"=hex:00,00,00,00\r\n\"Name\"=dword:00000001\r\n"
          "\"Path\"=hex(2):25,54,25,00\r\n\"Empty\"=hex(1):");
    Settings reger(store);
    Prepare(reger);
    EXPECT_EQ(MessageOf<RegistryError>([&] {
                  reger.Declare({"CurrentSkin", vtInteger, "0"});
              }),
              "Invalid data type for 'CurrentSkin'");
    EXPECT_EQ(MessageOf<RegistryError>([&] {
                  reger.Declare({"Ratio", vtFloat, "0"});
              }),
              "Invalid data type for 'Ratio'");
    SettingsValue& name = reger.Items().Add(reger);
    name.Value = "kept";
    EXPECT_EQ(MessageOf<RegistryError>([&] { name.SetValueName("Name"); }),
              "Invalid data type for 'Name'");
    EXPECT_EQ(name.AsString(), "kept");
    EXPECT_EQ(reger.Declare({"Path", vtString, std::nullopt}).AsString(), "%T%") << "no expansion";
    EXPECT_EQ(reger.Declare({"Empty", vtString, "x"}).AsString(), "") << "size 0 reads as empty";
}

TEST_F(RegValuesTest, NamesAreFoundWhateverTheirCaseAndTheFirstOfTwoWins)
{
    {
        Settings reger(store);
        Prepare(reger);
        reger.Declare({"LastDiaryName", vtString, "default.dry"});
        reger.Declare({"lastdiaryNAME", vtString, "second.dry"});
        EXPECT_EQ(reger.GetValue("lastdiaryname").ToString(), "default.dry");
        reger.SetValue("LASTDIARYNAME", "first.dry");
        EXPECT_EQ(reger.Items()[0].AsString(), "first.dry");
        EXPECT_EQ(reger.Items()[1].AsString(), "second.dry");
        EXPECT_EQ(MessageOf<NameInvalidError>([&] { reger.GetValue("Missing"); }), "Invalid Value Name!Missing");
        EXPECT_EQ(MessageOf<NameInvalidError>([&] { reger.SetValue("Other", 1); }), "Invalid Value Name!Other");
    }
    EXPECT_EQ(Stored("LastDiaryName"), (RegData{platform::rtString, std::string("second.dry\0", 11)}))
        << "both are saved, the later one last";
}

TEST_F(RegValuesTest, ValuesSetByNameAreConvertedOnlyWhenSaved)
{
    std::vector<std::string> errors;
    {
        Settings reger(store);
        Prepare(reger);
        reger.OnDestroyError = [&](const std::string& message) { errors.push_back(message); };
        reger.Declare({"Twelve", vtInteger, "0"});
        reger.Declare({"Bad", vtInteger, "0"});
        reger.Declare({"After", vtString, "still saved"});
        reger.SetValue("Twelve", "12");
        reger.SetValue("Bad", "twelve");
        EXPECT_EQ(reger.GetValue("Twelve"), Variant("12")) << "kept as given";
    }
    EXPECT_EQ(Stored("Twelve"), Dword(12));
    EXPECT_FALSE(Stored("Bad").has_value());
    EXPECT_TRUE(Stored("After").has_value()) << "one failing item does not lose the others";
    EXPECT_EQ(errors,
              std::vector<std::string>{"Could not convert variant of type (String) into type (Integer)"});
}

TEST_F(RegValuesTest, TypedWritesGoThroughTextInTheItemsOwnType)
{
    Settings reger(store);
    Prepare(reger);
    SettingsValue& flag = reger.Declare({"Flag", vtBoolean, "TRUE"});
    flag.SetAsInteger(1);
    EXPECT_EQ(flag.Value, Variant(false)) << "an integer written to a Boolean item becomes false";
    SettingsValue& count = reger.Declare({"Count", vtInteger, "0"});
    EXPECT_EQ(MessageOf<ConvertError>([&] { count.SetAsBoolean(true); }),
              "'TRUE' is not a valid integer value");
    count.SetAsFloat(3);
    EXPECT_EQ(count.Value, Variant(int32_t{3}));

    SettingsValue& when = reger.Declare({"When", vtDateTime, std::nullopt});
    when.SetAsDateTime(DateTime{EncodeDate(2001, 9, 9) + 0.5 + 0.4 / 86400});
    EXPECT_EQ(when.Value, Variant(DateTime{EncodeDate(2001, 9, 9) + 0.5})) << "whole seconds only";
    when.SetAsDateTime(DateTime{EncodeDate(1999, 12, 31)});
    EXPECT_EQ(when.AsDateTime(), DateTime{EncodeDate(1999, 12, 31)});

    SettingsValue& ratio = reger.Declare({"Ratio", vtFloat, "2.5"});
    ratio.SetAsFloat(1.0 / 3.0);
    EXPECT_NEAR(ratio.AsFloat(), 1.0 / 3.0, 1e-15);
    EXPECT_EQ(ratio.AsString(), "0.333333333333333");
    EXPECT_EQ(ratio.AsInteger(), 0);
    SettingsValue& text = reger.Declare({"Text", vtString, "abc"});
    EXPECT_EQ(MessageOf<VariantTypeCastError>([&] { (void)text.AsInteger(); }),
              "Could not convert variant of type (String) into type (Integer)");
}

TEST_F(RegValuesTest, SubKeysRootKeysAndAutoStoreChooseWhereAndWhetherToWrite)
{
    {
        Settings reger(store);
        Prepare(reger);
        reger.Declare({"FontName", vtString, "Arial", "Fonts"});
        reger.Declare({"Scratch", vtString, "x", "", false});
        reger.SetRootKey(rkHKEY_LOCAL_MACHINE);
        EXPECT_EQ(reger.RootKey(), rkHKEY_LOCAL_MACHINE);
        reger.Declare({"Machine", vtInteger, "4"});
    }
    const std::string machine = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrine\\DBK";
    EXPECT_EQ(Stored("Machine", machine), Dword(4));
    EXPECT_TRUE(Stored("FontName", machine + "\\Fonts").has_value()) << "the save uses the component's hive";
    EXPECT_FALSE(Stored("FontName", machine).has_value());
    EXPECT_FALSE(Stored("Scratch", machine).has_value()) << "items not marked AutoStore are never written";
    EXPECT_FALSE(Stored("FontName").has_value());
}

TEST_F(RegValuesTest, EventsSupplyDefaultsAndReportKeysThatCannotBeOpened)
{
    Settings reger(store);
    Prepare(reger);
    reger.CanCreate = false;
    std::vector<std::string> failed;
    SettingsValue& item = reger.Items().Add(reger);
    item.ValueType = vtInteger;
    item.SetDefValue("5");
    item.OnErrorOpenKey = [&](SettingsValue& sender) { failed.push_back(sender.ValueName()); };
    item.SetValueName("Size");
    EXPECT_EQ(failed, std::vector<std::string>{"Size"});
    EXPECT_TRUE(item.Value.IsEmpty()) << "the load stops before the default";
    item.Save();
    EXPECT_FALSE(std::filesystem::exists(file));

    reger.CanCreate = true;
    item.OnGetDefValueEvent = [](SettingsValue&, Variant& value) { value = int32_t{42}; };
    item.Load();
    EXPECT_EQ(item.AsInteger(), 42);
    reger.AutoLoad = false;
    SettingsValue& quiet = reger.Declare({"Quiet", vtString, "default"});
    EXPECT_TRUE(quiet.Value.IsEmpty()) << "without AutoLoad the name does not load";
    reger.LoadAll();
    EXPECT_EQ(quiet.AsString(), "default");
}

TEST_F(RegValuesTest, ASaveThatCannotWriteRaisesTheDesignedErrorUnlessNothingChanged)
{
    Store("\"A\"=\"1\"");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    Settings reger(store);
    Prepare(reger);
    SettingsValue& item = reger.Declare({"A", vtString, std::nullopt});
    item.AutoStore = false;
    item.Save();
    item.Value = "2";
    EXPECT_EQ(MessageOf<RegistryError>([&] { item.Save(); }), "Failed to set data for 'A'");
}
