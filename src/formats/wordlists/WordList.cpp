#include "formats/wordlists/WordList.h"

#include <algorithm>
#include <cstddef>

using base::text::LineList;

namespace formats::wordlists {

uint64_t WordList::Prefix(std::string_view key)
{
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return prefix;
}

LineList WordList::Words() const
{
    LineList words;
    words.reserve(entries_.size());
    for (const auto& entry : entries_)
        words.push_back(entry.Word);
    return words;
}

void WordList::Assign(LineList words)
{
    std::vector<Entry> entries;
    entries.reserve(words.size());
    // Sorted by prefix and position: small items, each key looked at only on a tie of prefixes.
    struct SortItem {
        uint64_t Prefix;
        size_t Index;
    };
    std::vector<SortItem> order;
    order.reserve(words.size());
    for (auto& word : words) {
        std::string key = collationKey_(word);
        order.push_back({Prefix(key), entries.size()});
        entries.push_back({std::move(key), std::move(word)});
    }
    std::sort(order.begin(), order.end(), [&entries](const SortItem& a, const SortItem& b) {
        return a.Prefix != b.Prefix ? a.Prefix < b.Prefix : entries[a.Index].Key < entries[b.Index].Key;
    });
    entries_.clear();
    prefixes_.clear();
    entries_.reserve(order.size());
    prefixes_.reserve(order.size());
    for (const auto& item : order) {
        prefixes_.push_back(item.Prefix);
        entries_.push_back(std::move(entries[item.Index]));
    }
}

void WordList::Add(std::string word)
{
    std::string key = collationKey_(word);
    // After the entries equal to it.
    size_t index = Find(key).Index;
    while (index < entries_.size() && entries_[index].Key == key)
        ++index;
    prefixes_.insert(prefixes_.begin() + static_cast<std::ptrdiff_t>(index), Prefix(key));
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(index), {std::move(key), std::move(word)});
}

WordList::Place WordList::Find(const std::string& key) const
{
    // One binary search over the prefixes; a full key is looked at only where prefixes tie.
    const uint64_t prefix = Prefix(key);
    size_t first = 0;
    size_t count = prefixes_.size();
    while (count > 0) {
        const size_t half = count / 2;
        const size_t middle = first + half;
        if (prefixes_[middle] < prefix || (prefixes_[middle] == prefix && entries_[middle].Key < key)) {
            first = middle + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return {first, first < entries_.size() && entries_[first].Key == key};
}

} // namespace formats::wordlists
