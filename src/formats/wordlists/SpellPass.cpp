#include "formats/wordlists/SpellPass.h"

#include "formats/wordlists/SpellDictionaries.h"

#include <algorithm>

namespace formats::wordlists {

namespace {

// The punctuation that ends words, as bytes of the diary code page.
constexpr std::string_view WordDelimiters = ".,-_!@():[]&;\"'?$%\x94/\\#<>\"=~+-|";

} // namespace

bool IsWordDelimiter(char c)
{
    return static_cast<unsigned char>(c) <= ' ' || WordDelimiters.find(c) != std::string_view::npos;
}

std::string SpellPass::NextWord(std::string_view text)
{
    const size_t length = text.size();
    // ScanPos counts from 1, so text[ScanPos - 1] is the character at ScanPos.
    do {
        if (ScanPos >= length)
            return {};
        ++ScanPos;
    } while (formats::wordlists::IsWordDelimiter(text[ScanPos - 1]));
    size_t end = ScanPos;
    while (end < length && !formats::wordlists::IsWordDelimiter(text[end]))
        ++end;
    return std::string(text.substr(ScanPos - 1, end - (ScanPos - 1)));
}

bool SpellPass::SkippedUnchecked(std::string_view word)
{
    return word.size() < MinWordLength || word.size() > MaxWordLength ||
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool SpellPass::FindNextUnknown(std::string_view text)
{
    std::string word;
    for (;;) {
        ScanPos += word.size();
        word = NextWord(text);
        if (word.empty()) {
            wordOnDisplay_ = false;
            return false;
        }
        if (!SkippedUnchecked(word) && !dictionaries_.CheckWord(word, Suggestions))
            break;
    }
    WordStart = ScanPos;
    ScanPos += word.size();
    unknownWord_ = std::move(word);
    wordOnDisplay_ = true;
    return true;
}

void SpellPass::Replaced(size_t length)
{
    ScanPos = WordStart + length;
    wordOnDisplay_ = false;
}

} // namespace formats::wordlists
