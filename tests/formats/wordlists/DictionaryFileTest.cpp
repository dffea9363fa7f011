#include "formats/wordlists/DictionaryFile.h"

#include <gtest/gtest.h>

using namespace base::text;
using namespace formats::wordlists;

using namespace std::string_literals;

TEST(DictionaryFile, LinesEndAtCrLfOrBothAndANulEndsTheText)
{
    EXPECT_EQ(ParseDictionary("one\rtwo\nthree\r\nfour"), (LineList{"one", "two", "three", "four"}));
    // Lines are kept as written: blanks, empty lines (CR CR is two line ends, LF CR too).
    EXPECT_EQ(ParseDictionary(" pad \r\r\n\ntail\n\r"), (LineList{" pad ", "", "", "tail", ""}));
    // A line end at the very end adds nothing.
    EXPECT_EQ(ParseDictionary("last\r\n"), (LineList{"last"}));
    EXPECT_EQ(ParseDictionary("kept\r\nalso\0hidden\r\nwords"s), (LineList{"kept", "also"}));
    EXPECT_TRUE(ParseDictionary("\0after"s).empty());
    EXPECT_TRUE(ParseDictionary("").empty());
}

TEST(DictionaryFile, LowerCasingChangesOnlyAToZ)
{
    EXPECT_EQ(LowerCaseAscii("Kettle"), "kettle");
    EXPECT_EQ(LowerCaseAscii("\xC4PFEL-Z@[`{"), "\xC4pfel-z@[`{");
}

TEST(DictionaryFile, WordListBecomesCodePageTextWithCrLfDroppingWhatItCannotHold)
{
    const std::string words = "apple\nna\xC3\xAFve\n\xE6\x97\xA5\xE6\x9C\xAC\n\nZebra\xE2\x80\x99s\n";
    EXPECT_EQ(DictionaryFromWordList(words, 1252), "apple\r\nna\xEFve\r\nZebra\x92s\r\n");
    EXPECT_EQ(DictionaryFromWordList(words, 1251), "apple\r\nZebra\x92s\r\n");
}
