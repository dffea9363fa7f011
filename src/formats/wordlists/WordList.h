// A word list kept in collation order: each word is held with its sort key, made once when the
// word joins the list, so sorting and searching compare keys byte by byte. The first bytes of
// every key are also kept side by side, where a search finds most of its way without leaving
// the processor's cache.
#pragma once

#include "base/text/TextLines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace formats::wordlists {

// The locale's case-insensitive sort key of a word in the diary code page (the platform's
// CollationKey): keys compare as std::string compares, equal for words equal but for letter case.
using CollationKeyMaker = std::string (*)(std::string_view word);

class WordList {
public:
    explicit WordList(CollationKeyMaker collationKey) : collationKey_(collationKey) {}

    size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const std::string& operator[](size_t index) const { return entries_[index].Word; }
    // The words in list order.
    base::text::LineList Words() const;

    // Replaces the content by the words, sorted.
    void Assign(base::text::LineList words);
    // Adds a word at its sorted place (after the words equal to it).
    void Add(std::string word);

    // Where a word with this key stands or would stand: the number of words sorting before it,
    // and whether the word there equals it.
    struct Place {
        size_t Index;
        bool Found;
    };
    Place Find(const std::string& key) const;

    std::string KeyOf(std::string_view word) const { return collationKey_(word); }

private:
    struct Entry {
        std::string Key;
        std::string Word;
    };

    // The first eight bytes of a key as a number (zeros past its end): prefixes order as their
    // keys do, and keys with different prefixes differ.
    static uint64_t Prefix(std::string_view key);

    CollationKeyMaker collationKey_;
    std::vector<Entry> entries_;
    std::vector<uint64_t> prefixes_; // Prefix of each entry's key
};

} // namespace formats::wordlists
