#include "formats/wordlists/SpellDictionaries.h"

#include "base/io/SafeFile.h"
#include "formats/wordlists/DictionaryFile.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Fail;
using base::result::Failure;
using base::result::Reason;
using base::result::Result;
using base::result::Status;
using base::text::JoinLines;
using base::text::LineList;

namespace formats::wordlists {

namespace fs = std::filesystem;

namespace {

// A word list is a megabyte or two; a file far larger is not one and is not read into memory.
constexpr std::uintmax_t MaxDictionaryBytes = 64u << 20;

bool FileExists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

} // namespace

SpellDictionaries::SpellDictionaries(fs::path programFolder, CollationKeyMaker collationKey, fs::path dataFolder)
    : programFolder_(std::move(programFolder)), dataFolder_(dataFolder.empty() ? programFolder_ : std::move(dataFolder)),
      master_(collationKey), custom_(collationKey), ignoreAll_(collationKey)
{
}

Result<LineList> SpellDictionaries::ReadDictionary(const fs::path& path) const
{
    // The message names the master dictionary whichever of the two fails.
    const Failure unreadable =
        Fail(Reason::Missing, "Cannot load dictionary file:\r\n\"" + MasterPath().string());
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > MaxDictionaryBytes)
        return unreadable;
    const auto bytes = ReadWhole(path);
    if (!bytes)
        return unreadable;
    return formats::wordlists::ParseDictionary(*bytes);
}

Status SpellDictionaries::LoadDictionaries()
{
    if (!FileExists(MasterPath()))
        return Fail(Reason::Missing, "Cannot load master dictionary file:\r\n\"" + MasterPath().string());
    std::optional<LineList> masterWords;
    if (master_.Empty()) {
        auto words = ReadDictionary(MasterPath());
        if (!words)
            return words.Error();
        masterWords = std::move(*words);
    }
    std::optional<LineList> customWords;
    if (FileExists(CustomPath())) {
        auto words = ReadDictionary(CustomPath());
        if (!words)
            return words.Error();
        customWords = std::move(*words);
    }

    if (masterWords)
        master_.Assign(std::move(*masterWords));
    if (customWords)
        custom_.Assign(std::move(*customWords));
    return {};
}

bool SpellDictionaries::CheckWord(std::string_view word, LineList& suggestions) const
{
    const std::string key = master_.KeyOf(word);
    if (custom_.Find(key).Found || ignoreAll_.Find(key).Found)
        return true;
    const WordList::Place place = master_.Find(key);
    if (place.Found)
        return true;
    suggestions.clear();
    const size_t start = place.Index > 0 ? place.Index - 1 : 0;
    const size_t end = std::min(start + MaxSuggestions, master_.Count());
    for (size_t i = start; i < end; ++i)
        suggestions.push_back(master_[i]);
    return false;
}

Status SpellDictionaries::AddToCustomDictionary(std::string_view word)
{
    custom_.Add(formats::wordlists::LowerCaseAscii(word));
    return WriteWhole(CustomPath(), JoinLines(custom_.Words()));
}

void SpellDictionaries::AddToIgnoreAll(std::string_view word)
{
    ignoreAll_.Add(formats::wordlists::LowerCaseAscii(word));
}

} // namespace formats::wordlists
