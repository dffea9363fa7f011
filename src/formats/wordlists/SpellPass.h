// One spell-check pass over the text of an entry: walks it word by word and stops at each word
// that the dictionaries do not know. The text is handed in at every step, one byte a character
// in the diary code page, so that replacements made in between are seen.
#pragma once

#include "base/text/TextLines.h"

#include <string>
#include <string_view>

namespace formats::wordlists {

class SpellDictionaries;

// Whether a character separates words: the blank and every control character, and the
// punctuation . , - _ ! @ ( ) : [ ] & ; " ' ? $ % / \ # < > = ~ + | with the closing curly
// double quote (byte 94). Letters, digits, the other curly quotes and every other byte from 80
// up belong to words.
bool IsWordDelimiter(char c);

class SpellPass {
public:
    // Words shorter or longer than these are never reported.
    static constexpr size_t MinWordLength = 2;
    static constexpr size_t MaxWordLength = 30;

    explicit SpellPass(const SpellDictionaries& dictionaries) : dictionaries_(dictionaries) {}

    // The next word of the text from ScanPos on (empty at the end); ScanPos is left on its
    // first character.
    std::string NextWord(std::string_view text);

    // Moves on to the next unknown word, skipping words of one character or of more than 30,
    // numbers and known words. True when one was found: UnknownWord, WordStart and Suggestions
    // describe it. False at the end of the text: the walk is over and no word is on display.
    bool FindNextUnknown(std::string_view text);

    // The word on display was replaced by a text of this length; the walk goes on after it.
    void Replaced(size_t length);

    bool WordOnDisplay() const { return wordOnDisplay_; }
    const std::string& UnknownWord() const { return unknownWord_; }
    // Positions count characters from 1: ScanPos is the last one examined (0 before the
    // first), WordStart the first of the unknown word.
    size_t ScanPos = 0;
    size_t WordStart = 0;
    // The suggestions for the unknown word.
    base::text::LineList Suggestions;

private:
    static bool SkippedUnchecked(std::string_view word);

    const SpellDictionaries& dictionaries_;
    std::string unknownWord_;
    bool wordOnDisplay_ = false;
};

} // namespace formats::wordlists
