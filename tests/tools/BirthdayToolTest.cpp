// birthdays list and birthdays import: the reference lists in and out, as users script them.
#include "ToolRun.h"

namespace {

class BirthdayToolTest : public DaybrookToolTest {
protected:
    std::string Vector(const std::string& name) const { return VectorPath("birthdays/" + name).string(); }
    void UseCodePage(int codePage) { environment_[0] = "DAYBROOK_CODEPAGE=" + std::to_string(codePage); }
};

} // namespace

TEST_F(BirthdayToolTest, ListsOneLinePerEntryWithTheUnknownYearAndLineBreaksShown)
{
    const ToolRun run = Run({"birthdays", "list", Vector("entries.bbk")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "1975-03-21\tAnna Berg\t\n"
                       "?\?\?\?-02-29\tUnknown year\tLeap day, year not known\n"
                       "1990-12-31\tIcon small\ttwo\\r\\nlines\n"
                       "2001-01-01\tIcon mid\t\n"
                       "1960-07-04\tIcon wide\t" +
                           std::string(300, 'x') +
                           "\n"
                           "----------\t\t\n");
}

TEST_F(BirthdayToolTest, JsonListingsAreTheReferenceListsAndImportWritesTheReferenceFiles)
{
    for (const auto& [name, codePage] : {std::pair{"entries", 1252}, {"greek-cp1253", 1253}}) {
        UseCodePage(codePage);
        ToolRun run = Run({"birthdays", "list", "--json", Vector(std::string(name) + ".bbk")});
        ASSERT_EQ(run.Status, 0) << name << run.Err;
        EXPECT_EQ(run.Out, ReadBytes(Vector(std::string(name) + ".json")) + "\n") << name;

        const auto out = dir_ / (std::string(name) + ".bbk");
        run = Run({"birthdays", "import", Vector(std::string(name) + ".json"), out.string()});
        ASSERT_EQ(run.Status, 0) << name << run.Err;
        EXPECT_TRUE(ReadBytes(out) == ReadBytes(Vector(std::string(name) + ".bbk"))) << name;
    }

    UseCodePage(1252);
    const ToolRun empty = Run({"birthdays", "list", "--json", Vector("empty.bbk")});
    EXPECT_EQ(empty.Out, "{\n \"codepage\": 1252,\n \"entries\": []\n}\n");
}

TEST_F(BirthdayToolTest, AListThatCannotBeReadWholeIsNotListedAtAll)
{
    WriteBytes(dir_ / "cut.bbk", ReadBytes(Vector("entries.bbk")).substr(0, 400));
    ToolRun run = Run({"birthdays", "list", (dir_ / "cut.bbk").string()});
    EXPECT_EQ(run.Status, 65);
    EXPECT_EQ(run.Out, "");
    EXPECT_THAT(run.Err, HasSubstr("Invalid stream format"));

    // A damaged settings file is reported and left alone.
    WriteBytes(dir_ / "registry.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software]\r\ngarbage\r\n");
    ExpectFailure(Run({"birthdays", "list", "--registry"}), 65, "line 3");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "registry.reg.damaged"));

}

TEST_F(BirthdayToolTest, ImportRefusesTextTheCodePageCannotHoldAndMalformedLists)
{
    const auto out = dir_ / "out.bbk";
    ToolRun run = Run({"birthdays", "import", Vector("greek-cp1253.json"), out.string()});
    ExpectFailure(run, 65, "entry 1: \"full_name\"");
    EXPECT_THAT(run.Err, HasSubstr("code page 1252 cannot store"));
    EXPECT_FALSE(std::filesystem::exists(out));

    const std::vector<std::pair<std::string, std::string>> faults{
        {"{\"entries\": [", "not JSON"},
        {"[1, 2]", "no \"entries\" array"},
        {"{\"entries\": [{\"icon\": 1.5}]}", "\"icon\" is not a whole number"},
        {"{\"entries\": [{}, {\"birth_date\": 1e300}]}", "entry 2: \"birth_date\" is not a date"},
        {"{\"entries\": [{\"notes\": 7}]}", "\"notes\" is not a text"},
    };
    for (const auto& [json, message] : faults) {
        WriteBytes(dir_ / "in.json", json);
        run = Run({"birthdays", "import", (dir_ / "in.json").string(), out.string()});
        EXPECT_EQ(run.Status, 65) << json;
        EXPECT_NE(run.Err.find(message), std::string::npos) << json << " gave " << run.Err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }

    // Fields left out take their defaults.
    WriteBytes(dir_ / "in.json", "{\"entries\": [{\"full_name\": \"Ann\"}, {}]}");
    ASSERT_EQ(Run({"birthdays", "import", (dir_ / "in.json").string(), out.string()}).Status, 0);
    EXPECT_EQ(Run({"birthdays", "list", out.string()}).Out, "----------\tAnn\t\n----------\t\t\n");
}
