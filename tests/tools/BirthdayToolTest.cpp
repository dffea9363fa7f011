// birthdays list and birthdays import: the reference lists in and out, as users script them.
#include "ToolRun.h"

#include "model/birthdays/BirthdayBook.h"

namespace {

class BirthdayToolTest : public DaybrookToolTest {
protected:
    std::string Vector(const std::string& name) const { return VectorPath("birthdays/" + name).string(); }
    void UseCodePage(int codePage) { environment[0] = "DAYBROOK_CODEPAGE=" + std::to_string(codePage); }
    platform::RegistryFile Store() const { return {dir / "registry.reg", {}}; }
};

} // namespace

TEST_F(BirthdayToolTest, ListsOneLinePerEntryWithTheUnknownYearAndLineBreaksShown)
{
    const ToolRun run = Run({"birthdays", "list", Vector("entries.bbk")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1975-03-21\tAnna Berg\t\n"
                       "?\?\?\?-02-29\tUnknown year\tLeap day, year not known\n"
                       "1990-12-31\tIcon small\ttwo\\r\\nlines\n"
                       "2001-01-01\tIcon mid\t\n"
                       "1960-07-04\tIcon wide\t" +
                           std::string(300, 'x') +
                           "\n"
                           "----------\t\t\n");
    EXPECT_EQ(Run({"birthdays", "list", Vector("empty.bbk")}).out, "");
}

TEST_F(BirthdayToolTest, JsonListingsAreTheReferenceListsAndImportWritesTheReferenceFiles)
{
    for (const auto& [name, codePage] : {std::pair{"entries", 1252}, {"greek-cp1253", 1253}}) {
        UseCodePage(codePage);
        ToolRun run = Run({"birthdays", "list", "--json", Vector(std::string(name) + ".bbk")});
        ASSERT_EQ(run.status, 0) << name << run.err;
        EXPECT_EQ(run.out, ReadBytes(Vector(std::string(name) + ".json")) + "\n") << name;

        const auto out = dir / (std::string(name) + ".bbk");
        run = Run({"birthdays", "import", Vector(std::string(name) + ".json"), out.string()});
        ASSERT_EQ(run.status, 0) << name << run.err;
        EXPECT_TRUE(ReadBytes(out) == ReadBytes(Vector(std::string(name) + ".bbk"))) << name;
    }

    UseCodePage(1252);
    const ToolRun empty = Run({"birthdays", "list", "--json", Vector("empty.bbk")});
    EXPECT_EQ(empty.out, "{\n \"codepage\": 1252,\n \"entries\": []\n}\n");
    WriteBytes(dir / "listing.json", empty.out);
    ASSERT_EQ(
        Run({"birthdays", "import", (dir / "listing.json").string(), (dir / "again.bbk").string()}).status,
        0);
    EXPECT_EQ(ReadBytes(dir / "again.bbk"), ReadBytes(Vector("empty.bbk")));
}

TEST_F(BirthdayToolTest, TheWorkingStoreIsListedFromTheSettingsFile)
{
    ToolRun run = Run({"birthdays", "list", "--registry"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");

    birthdays::BirthdayEntryComponent keeper(Store(), 1252);
    ASSERT_TRUE(keeper.LoadFromFile(Vector("entries.bbk")));
    ASSERT_TRUE(keeper.SaveToRegistry());
    run = Run({"birthdays", "list", "--json", "--registry"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ReadBytes(Vector("entries.json")) + "\n");
}

TEST_F(BirthdayToolTest, AListThatCannotBeReadWholeIsNotListedAtAll)
{
    WriteBytes(dir / "cut.bbk", ReadBytes(Vector("entries.bbk")).substr(0, 400));
    ToolRun run = Run({"birthdays", "list", (dir / "cut.bbk").string()});
    EXPECT_EQ(run.status, 65);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Invalid stream format"), std::string::npos) << run.err;

    run = Run({"birthdays", "list", "--json", Vector("greek-cp1253.bbk")});
    EXPECT_EQ(run.status, 65);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("code page 1252"), std::string::npos) << run.err;

    // A damaged settings file is reported and left alone.
    WriteBytes(dir / "registry.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software]\r\ngarbage\r\n");
    run = Run({"birthdays", "list", "--registry"});
    EXPECT_EQ(run.status, 65);
    EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.reg.damaged"));

    EXPECT_EQ(Run({"birthdays", "list", (dir / "missing.bbk").string()}).status, 1);
    EXPECT_EQ(Run({"birthdays", "list"}).status, 64);
    EXPECT_EQ(Run({"birthdays", "sort", Vector("empty.bbk")}).status, 64);
}

TEST_F(BirthdayToolTest, ImportRefusesTextTheCodePageCannotHoldAndMalformedLists)
{
    const auto out = dir / "out.bbk";
    ToolRun run = Run({"birthdays", "import", Vector("greek-cp1253.json"), out.string()});
    EXPECT_EQ(run.status, 65);
    EXPECT_NE(run.err.find("entry 1: \"full_name\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("code page 1252 cannot store"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    const std::vector<std::pair<std::string, std::string>> faults{
        {"{\"entries\": [", "not JSON"},
        {"[1, 2]", "no \"entries\" array"},
        {"{\"entries\": [3]}", "entry 1 is not an object"},
        {"{\"entries\": [{\"icon\": 1.5}]}", "\"icon\" is not a whole number"},
        {"{\"entries\": [{\"icon\": 3000000000}]}", "\"icon\" is not a whole number"},
        {"{\"entries\": [{}, {\"birth_date\": 1e300}]}", "entry 2: \"birth_date\" is not a date"},
        {"{\"entries\": [{\"birth_date\": \"1990-01-01\"}]}", "\"birth_date\" is not a date"},
        {"{\"entries\": [{\"notes\": 7}]}", "\"notes\" is not a text"},
    };
    for (const auto& [json, message] : faults) {
        WriteBytes(dir / "in.json", json);
        run = Run({"birthdays", "import", (dir / "in.json").string(), out.string()});
        EXPECT_EQ(run.status, 65) << json;
        EXPECT_NE(run.err.find(message), std::string::npos) << json << " gave " << run.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }

    // Fields left out take their defaults.
    WriteBytes(dir / "in.json", "{\"entries\": [{\"full_name\": \"Ann\"}, {}]}");
    ASSERT_EQ(Run({"birthdays", "import", (dir / "in.json").string(), out.string()}).status, 0);
    EXPECT_EQ(Run({"birthdays", "list", out.string()}).out, "----------\tAnn\t\n----------\t\t\n");
}
