#include "formats/wordlists/WordList.h"

#include "platform/locale/Collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace base::text;
using namespace formats::wordlists;
using namespace platform::locale;

namespace {

// Words over a small alphabet, many sharing long beginnings and differing in letter case only.
std::string RandomWord(std::mt19937& random)
{
    static const char letters[] = {'a', 'A', 'b', '\xE4', '\xC4', '\''};
    std::string word = random() % 2 == 0 ? "interNATIONAL" : "";
    for (size_t n = random() % 6; n > 0; --n)
        word += letters[random() % sizeof letters];
    return word;
}

size_t CountLess(const LineList& words, const std::string& probe)
{
    return static_cast<size_t>(std::count_if(
        words.begin(), words.end(), [&](const std::string& word) { return CompareText(word, probe) < 0; }));
}

} // namespace

TEST(WordList, SortsAndFindsAsTheCollationCompares)
{
    std::mt19937 random(3);
    LineList words;
    for (int i = 0; i < 400; ++i)
        words.push_back(RandomWord(random));
    WordList list(CollationKey);
    list.Assign(LineList(words.begin(), words.begin() + 300));
    for (size_t i = 300; i < words.size(); ++i)
        list.Add(words[i]);

    const LineList sorted = list.Words();
    ASSERT_EQ(sorted.size(), words.size());
    for (size_t i = 1; i < sorted.size(); ++i)
        EXPECT_LE(CompareText(sorted[i - 1], sorted[i]), 0) << sorted[i - 1] << " / " << sorted[i];

    for (int i = 0; i < 300; ++i) {
        const std::string probe = RandomWord(random);
        const WordList::Place place = list.Find(list.KeyOf(probe));
        EXPECT_EQ(place.Index, CountLess(sorted, probe)) << probe;
        const bool present = std::any_of(sorted.begin(), sorted.end(), [&](const std::string& word) {
            return CompareText(word, probe) == 0;
        });
        EXPECT_EQ(place.Found, present) << probe;
    }
}
