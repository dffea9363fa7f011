// links: daybrook_formats_wordlists
// A master dictionary and an entry's text, both hostile, walked to the end: the pass must stop,
// and every word it reports must be a word of the text at the place it gives, with at most
// eleven suggestions taken from the dictionary. The first byte tells where the dictionary ends.
#include "formats/wordlists/DictionaryFile.h"
#include "formats/wordlists/SpellDictionaries.h"
#include "formats/wordlists/SpellPass.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

using formats::wordlists::IsWordDelimiter;
using formats::wordlists::LowerCaseAscii;
using formats::wordlists::SpellDictionaries;
using formats::wordlists::SpellPass;

namespace {

std::string CaseFoldedKey(std::string_view word)
{
    return LowerCaseAscii(word);
}

// The program folder of the run, removed at its end.
class FuzzFolder {
public:
    FuzzFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("daybrook-fuzz-spell-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~FuzzFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& Folder()
{
    static const FuzzFolder folder;
    return folder.Path();
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = input.size() * data[0] / 255;
    std::ofstream(Folder() / "English.dic", std::ios::binary) << input.substr(0, split);
    const std::string_view text = input.substr(split);

    SpellDictionaries dictionaries(Folder(), CaseFoldedKey);
    if (!dictionaries.LoadDictionaries())
        std::abort(); // English.dic was written just now
    SpellPass pass(dictionaries);
    size_t steps = 0;
    while (pass.FindNextUnknown(text)) {
        const std::string& word = pass.UnknownWord();
        Check(++steps <= text.size());
        Check(word.size() >= SpellPass::MinWordLength && word.size() <= SpellPass::MaxWordLength);
        Check(pass.WordStart >= 1 && text.substr(pass.WordStart - 1, word.size()) == word);
        for (const char c : word)
            Check(!IsWordDelimiter(c));
        Check(pass.Suggestions.size() <= SpellDictionaries::MaxSuggestions);
        for (const auto& suggestion : pass.Suggestions)
            Check(input.substr(0, split).find(suggestion) != std::string_view::npos);
    }
    return 0;
}
