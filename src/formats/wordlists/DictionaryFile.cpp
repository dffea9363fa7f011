#include "formats/wordlists/DictionaryFile.h"

#include "base/text/CodePage.h"

using base::text::JoinLines;
using base::text::LineList;
using base::text::SplitLines;
using base::text::Utf8ToCodePage;

namespace formats::wordlists {

LineList ParseDictionary(std::string_view bytes)
{
    return SplitLines(bytes.substr(0, bytes.find('\0')));
}

std::string LowerCaseAscii(std::string_view word)
{
    std::string lower(word);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string DictionaryFromWordList(std::string_view utf8, int codePage)
{
    LineList words;
    for (const auto& line : SplitLines(utf8))
        if (auto word = Utf8ToCodePage(line, codePage); word && !word->empty())
            words.push_back(std::move(*word));
    return JoinLines(words);
}

} // namespace formats::wordlists
