// The spell checker's three word lists, one set for the whole run: the master dictionary read
// from English.dic, the custom dictionary of Custom.dic with the words the user adds, and the
// words the user chose to ignore everywhere. All three sort and search by the locale's
// case-insensitive collation, so Hello, hello and HELLO are one word to each of them.
#pragma once

#include "base/result/Result.h"
#include "base/text/TextLines.h"
#include "formats/wordlists/WordList.h"

#include <filesystem>
#include <string_view>

namespace formats::wordlists {

class SpellDictionaries {
public:
    // Most suggestions offered for an unknown word.
    static constexpr size_t MaxSuggestions = 11;

    // Custom.dic lives in the program folder, English.dic in the data folder (the program folder
    // when none is given); nothing is read before the first pass.
    SpellDictionaries(std::filesystem::path programFolder, CollationKeyMaker collationKey,
                      std::filesystem::path dataFolder = {});

    // Prepares the lists for a pass. English.dic must exist, and is read only while the master
    // list is empty; Custom.dic, when present, replaces the custom list (so changes made to it
    // between passes are seen). A failure (Missing, with the message to show) leaves the lists
    // as they were.
    base::result::Status LoadDictionaries();

    // Whether the word, letter case ignored, is in the custom list, the ignore list or the
    // master list. For an unknown word, suggestions is replaced by the master words around the
    // place where the word would stand: the one before it and the ten after it. For a known
    // word it is left untouched.
    bool CheckWord(std::string_view word, base::text::LineList& suggestions) const;

    // Adds the word with A to Z lower-cased to the custom list, then replaces Custom.dic by the
    // whole list. When the file cannot be written, fails (WriteFailed) with the reason to show;
    // the word stays in the list for the rest of the run.
    base::result::Status AddToCustomDictionary(std::string_view word);

    // Adds the word with A to Z lower-cased to the ignore list, for the rest of the run.
    void AddToIgnoreAll(std::string_view word);

    const WordList& MasterDictionary() const { return master_; }
    const WordList& CustomDictionary() const { return custom_; }
    const WordList& IgnoreAllList() const { return ignoreAll_; }

    std::filesystem::path MasterPath() const { return dataFolder_ / "English.dic"; }
    std::filesystem::path CustomPath() const { return programFolder_ / "Custom.dic"; }

private:
    base::result::Result<base::text::LineList> ReadDictionary(const std::filesystem::path& path) const;

    std::filesystem::path programFolder_;
    std::filesystem::path dataFolder_;
    WordList master_;
    WordList custom_;
    WordList ignoreAll_;
};

} // namespace formats::wordlists
