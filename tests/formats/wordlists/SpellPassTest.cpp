#include "formats/wordlists/SpellPass.h"

#include "platform/locale/Collation.h"
#include "formats/wordlists/SpellDictionaries.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <set>

using namespace base::text;
using namespace formats::wordlists;
using namespace platform::locale;

using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// A pass over dictionaries whose master list knows the given words.
class SpellPassTest : public ::testing::Test {
protected:
    void Know(const std::string& words)
    {
        WriteBytes(folder_ / "English.dic", words);
        ASSERT_TRUE(dictionaries_.LoadDictionaries().Ok());
    }

    // Every unknown word the pass stops at, ignoring each one.
    std::vector<std::string> UnknownWords(std::string_view text)
    {
        std::vector<std::string> words;
        while (pass_.FindNextUnknown(text))
            words.push_back(pass_.UnknownWord());
        return words;
    }

    TempDir folder_;
    SpellDictionaries dictionaries_{folder_.Path(), CollationKey};
    SpellPass pass_{dictionaries_};
};

} // namespace

TEST(WordDelimiters, AreControlCharactersBlankAndThePunctuationSet)
{
    const std::set<int> punctuation{0x2E, 0x2C, 0x2D, 0x5F, 0x21, 0x40, 0x28, 0x29, 0x3A, 0x5B,
                                    0x5D, 0x26, 0x3B, 0x22, 0x27, 0x3F, 0x24, 0x25, 0x94, 0x2F,
                                    0x5C, 0x23, 0x3C, 0x3E, 0x3D, 0x7E, 0x2B, 0x7C};
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(IsWordDelimiter(static_cast<char>(byte)), byte <= 0x20 || punctuation.count(byte) > 0)
            << "byte " << byte;
}

TEST_F(SpellPassTest, ChecksWordsOfTwoToThirtyCharactersThatAreNotNumbers)
{
    Know("");
    const std::string thirty(30, 'x');
    const std::string thirtyOne(31, 'y');
    EXPECT_EQ(UnknownWords("I don't e-mail in 1999,\r\nthe 2nd\ttime " + thirty + " " + thirtyOne + " 7a"),
              (std::vector<std::string>{"don", "mail", "in", "the", "2nd", "time", thirty, "7a"}));
}

TEST_F(SpellPassTest, StopsOnlyAtUnknownWordsWithTheirPlaceAndSuggestions)
{
    Know("the\r\ncat\r\nsat\r\nmat\r\n");
    const std::string text = "The cat szt on the mat, THE CAT sat";
    ASSERT_TRUE(pass_.FindNextUnknown(text));
    EXPECT_EQ(pass_.UnknownWord(), "szt");
    EXPECT_EQ(pass_.WordStart, 9u); // counted from 1
    EXPECT_EQ(pass_.Suggestions, (LineList{"sat", "the"}));
    ASSERT_TRUE(pass_.FindNextUnknown(text));
    EXPECT_EQ(pass_.UnknownWord(), "on");
    EXPECT_EQ(pass_.WordStart, 13u);
    EXPECT_FALSE(pass_.FindNextUnknown(text));
    EXPECT_FALSE(pass_.WordOnDisplay());
}

TEST_F(SpellPassTest, WalkResumesAfterAReplacementWhateverItsLength)
{
    Know("ok\r\n");
    std::string text = "xx ok yy ok zz";
    for (const std::string correction : {"longer words", "", "q"}) {
        ASSERT_TRUE(pass_.FindNextUnknown(text));
        text.replace(pass_.WordStart - 1, pass_.UnknownWord().size(), correction);
        pass_.Replaced(correction.size());
        EXPECT_FALSE(pass_.WordOnDisplay());
    }
    // The corrections were not checked again: "longer", "words" and "q" were never reported.
    EXPECT_EQ(text, "longer words ok  ok q");
    EXPECT_FALSE(pass_.FindNextUnknown(text));
}
