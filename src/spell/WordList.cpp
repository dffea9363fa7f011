#include "spell/WordList.h"

#include <algorithm>

TLines TWordList::Words() const
{
    TLines words;
    words.reserve(entries_.size());
    for (const auto& entry : entries_)
        words.push_back(entry.word);
    return words;
}

void TWordList::Assign(TLines words)
{
    std::vector<TEntry> entries;
    entries.reserve(words.size());
    for (auto& word : words)
        entries.push_back({collationKey_(word), std::move(word)});
    std::sort(entries.begin(), entries.end(), [](const TEntry& a, const TEntry& b) { return a.key < b.key; });
    entries_ = std::move(entries);
}

void TWordList::Add(std::string word)
{
    TEntry entry{collationKey_(word), std::move(word)};
    const auto place = std::upper_bound(entries_.begin(), entries_.end(), entry.key,
                                        [](const std::string& key, const TEntry& e) { return key < e.key; });
    entries_.insert(place, std::move(entry));
}

TWordList::TPlace TWordList::Find(const std::string& key) const
{
    const auto place = std::lower_bound(entries_.begin(), entries_.end(), key,
                                        [](const TEntry& e, const std::string& k) { return e.key < k; });
    return {static_cast<size_t>(place - entries_.begin()), place != entries_.end() && place->key == key};
}
