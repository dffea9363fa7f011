#include "formats/wordlists/SpellDictionaries.h"

#include "platform/locale/Collation.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace base::result;
using namespace base::text;
using namespace formats::wordlists;
using namespace platform::locale;

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace fs = std::filesystem;

namespace {

// Twenty master words, written out of order; sorted they run ab, ac, ..., au.
const std::string MasterWords =
    "at\r\nAb\r\nac\nad\rae\r\naf\r\nag\r\nah\r\nai\r\naj\r\nak\r\nal\r\nam\r\nan\r\nao\r\n"
    "ap\r\naq\r\nar\r\nas\r\nau\r\n";

class SpellDictionariesTest : public ::testing::Test {
protected:
    void Master(const std::string& words) { WriteBytes(folder_ / "English.dic", words); }
    void Custom(const std::string& words) { WriteBytes(folder_ / "Custom.dic", words); }

    bool Known(std::string_view word)
    {
        LineList unused{"untouched"};
        return dictionaries_.CheckWord(word, unused);
    }

    // The suggestions for an unknown word.
    LineList Suggestions(std::string_view word)
    {
        LineList suggestions{"stale"};
        EXPECT_FALSE(dictionaries_.CheckWord(word, suggestions)) << word;
        return suggestions;
    }

    void Load() { ASSERT_TRUE(dictionaries_.LoadDictionaries().Ok()); }

    std::string LoadFailure()
    {
        const Status loaded = dictionaries_.LoadDictionaries();
        return loaded ? "(loaded)" : loaded.Message();
    }

    std::string MasterPath() const { return (folder_ / "English.dic").string(); }

    TempDir folder_;
    SpellDictionaries dictionaries_{folder_.Path(), CollationKey};
};

} // namespace

TEST_F(SpellDictionariesTest, WordsAreKnownWhateverTheirLetterCase)
{
    Master("hello\r\nWorld\r\n\xE9t\xE9\r\n");
    Load();
    for (const char* word : {"Hello", "WORLD", "\xC9T\xC9"})
        EXPECT_TRUE(Known(word)) << word;
    EXPECT_FALSE(Known("hell"));
    LineList suggestions{"kept"};
    EXPECT_TRUE(dictionaries_.CheckWord("Hello", suggestions));
    EXPECT_EQ(suggestions, LineList{"kept"}) << "a known word leaves the suggestions alone";
}

TEST_F(SpellDictionariesTest, SuggestsTheWordBeforeAndTheTenAfterInTheMasterFilesLetterCase)
{
    Master(MasterWords);
    Load();
    ASSERT_EQ(dictionaries_.MasterDictionary().Count(), 20u);
    // Before every entry: the first eleven.
    EXPECT_EQ(Suggestions("aa"), (LineList{"Ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "aj", "ak", "al"}));
    // Between the second and the third: entries 2 to 12.
    EXPECT_EQ(Suggestions("acc"), (LineList{"ac", "ad", "ae", "af", "ag", "ah", "ai", "aj", "ak", "al", "am"}));
    // Near the end: what is left.
    EXPECT_EQ(Suggestions("ara"), (LineList{"ar", "as", "at", "au"}));
    // After every entry: the last one only.
    EXPECT_EQ(Suggestions("zz"), LineList{"au"});
}

TEST_F(SpellDictionariesTest, MasterIsReadOnceButMustStillExistAtEveryOpening)
{
    Custom("mine\r\n");
    EXPECT_EQ(LoadFailure(), "Cannot load master dictionary file:\r\n\"" + MasterPath());
    EXPECT_EQ(dictionaries_.CustomDictionary().Count(), 0u) << "no master: the custom file is not read";

    Master("first\r\n");
    Load();
    Master("second\r\n");
    Load();
    EXPECT_TRUE(Known("first"));
    EXPECT_FALSE(Known("second"));

    fs::remove(folder_ / "English.dic");
    EXPECT_EQ(LoadFailure(), "Cannot load master dictionary file:\r\n\"" + MasterPath());
    EXPECT_TRUE(Known("first"));
}

TEST_F(SpellDictionariesTest, UnreadableFilesFailNamingTheMasterFileAndChangeNothing)
{
    Master("word\r\n");
    Custom("mine\r\n");
    Load();

    fs::remove(folder_ / "Custom.dic");
    fs::create_directory(folder_ / "Custom.dic");
    EXPECT_EQ(LoadFailure(), "Cannot load dictionary file:\r\n\"" + MasterPath());
    EXPECT_TRUE(Known("mine"));

    fs::remove(folder_ / "English.dic");
    Master("");
    fs::resize_file(folder_ / "English.dic", 65u << 20); // far too large; sparse, so it costs no disk space
    EXPECT_EQ(LoadFailure(), "Cannot load dictionary file:\r\n\"" + MasterPath());
}

TEST_F(SpellDictionariesTest, CustomFileIsReadAgainAtEveryOpeningWhileItExists)
{
    Master("word\r\n");
    Custom("Kettle\r\n");
    Load();
    EXPECT_TRUE(Known("KETTLE"));
    Custom("teapot\r\n");
    Load();
    EXPECT_TRUE(Known("teapot"));
    EXPECT_FALSE(Known("kettle"));
    // Gone: the words of the run stay.
    fs::remove(folder_ / "Custom.dic");
    Load();
    EXPECT_TRUE(Known("teapot"));
}

TEST_F(SpellDictionariesTest, AddedWordsAreStoredLowerCasedInAWholeSortedCustomFile)
{
    Master("word\r\n");
    Load(); // no Custom.dic: no error
    ASSERT_TRUE(dictionaries_.AddToCustomDictionary("Kettle").Ok());
    EXPECT_EQ(ReadBytes(folder_ / "Custom.dic"), "kettle\r\n");
    ASSERT_TRUE(dictionaries_.AddToCustomDictionary("\xC4pfel").Ok());
    ASSERT_TRUE(dictionaries_.AddToCustomDictionary("Bread").Ok());
    EXPECT_EQ(ReadBytes(folder_ / "Custom.dic"), "bread\r\nkettle\r\n\xC4pfel\r\n");
    EXPECT_TRUE(Known("KETTLE"));
    EXPECT_TRUE(Known("\xE4pfel"));
}

TEST(SpellDictionariesData, MasterComesFromTheDataFolderAndCustomWordsGoToTheProgramFolder)
{
    TempDir program;
    TempDir data;
    WriteBytes(data / "English.dic", "alpha\r\n");
    WriteBytes(program / "English.dic", "beta\r\n");
    SpellDictionaries dictionaries(program.Path(), CollationKey, data.Path());
    ASSERT_TRUE(dictionaries.LoadDictionaries().Ok());
    LineList unused;
    EXPECT_TRUE(dictionaries.CheckWord("alpha", unused));
    EXPECT_FALSE(dictionaries.CheckWord("beta", unused));

    ASSERT_TRUE(dictionaries.AddToCustomDictionary("gamma").Ok());
    EXPECT_TRUE(fs::exists(program / "Custom.dic"));
    EXPECT_FALSE(fs::exists(data / "Custom.dic"));
}

TEST_F(SpellDictionariesTest, CustomWordsNeverBecomeSuggestions)
{
    Master("alpha\r\nomega\r\n");
    Load();
    ASSERT_TRUE(dictionaries_.AddToCustomDictionary("beta").Ok());
    dictionaries_.AddToIgnoreAll("gamma");
    EXPECT_EQ(Suggestions("delta"), (LineList{"alpha", "omega"}));
}

TEST_F(SpellDictionariesTest, FailedCustomWriteKeepsTheOldFileAndTheWordForTheRun)
{
    Master("word\r\n");
    Custom("old\r\n");
    Load();
    fs::permissions(folder_ / "Custom.dic",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const Status added = dictionaries_.AddToCustomDictionary("new");
    EXPECT_EQ(added.Code(), Reason::WriteFailed);
    EXPECT_EQ(added.Message(), "read-only: " + (folder_ / "Custom.dic").string());
    EXPECT_EQ(ReadBytes(folder_ / "Custom.dic"), "old\r\n");
    EXPECT_TRUE(Known("NEW"));
}

TEST_F(SpellDictionariesTest, IgnoredWordsLastForTheRunInAnyCaseAndStayInMemory)
{
    Master("word\r\n");
    Load();
    dictionaries_.AddToIgnoreAll("Teh");
    EXPECT_TRUE(Known("TEH"));
    Load();
    EXPECT_TRUE(Known("Teh"));
    EXPECT_FALSE(fs::exists(folder_ / "Custom.dic"));
}
