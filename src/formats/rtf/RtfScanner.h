// The tokens of RTF text as they stand in the source: group braces, control words with their
// parameter, control symbols, \'hh bytes, \bin data, plain text and line ends. Each token
// keeps its exact bytes, so a document can be copied token by token with a few of them changed;
// the reader and the export's joiner both walk documents with it, so they split them alike.
#pragma once

#include <algorithm>
#include <string_view>

namespace formats::rtf {

enum class TokenKind {
    Open,    // {
    Close,   // }
    Word,    // \name or \nameN, with the blank that ends it
    Symbol,  // \ and one character that is not a letter (\~, \*, \{, ...); a lone \ at the end
    Hex,     // \'hh
    Bin,     // \binN with its N bytes of data
    Text,    // characters other than braces, backslashes and line ends
    LineEnd, // CR and LF, which RTF ignores
};

struct Token {
    TokenKind Kind = TokenKind::Text;
    std::string_view Raw;  // the token's bytes in the source
    std::string_view Name; // Word: the control word without backslash and parameter
    bool HasParam = false;
    int Param = 0;
    char Character = 0;     // Symbol: the character after the backslash (0 for a lone \ at the end)
    unsigned char Byte = 0; // Hex: the byte
    std::string_view Data;  // Bin: the data that follows, cut short where the source ends
};

class RtfScanner {
public:
    explicit RtfScanner(std::string_view source) : source_(source) {}

    // The next token; false at the end of the source. Braces, text and line ends, the most
    // frequent tokens, are read here; control words and symbols out of line.
    bool Next(Token& token)
    {
        if (at_ >= source_.size())
            return false;
        const size_t start = at_;
        switch (source_[at_]) {
        case '{':
            token = Token{};
            token.Kind = TokenKind::Open;
            ++at_;
            break;
        case '}':
            token = Token{};
            token.Kind = TokenKind::Close;
            ++at_;
            break;
        case '\\':
            token = Token{};
            Control(token);
            break;
        case '\r':
        case '\n':
            token = Token{};
            token.Kind = TokenKind::LineEnd;
            while (at_ < source_.size() && (source_[at_] == '\r' || source_[at_] == '\n'))
                ++at_;
            break;
        default:
            token = Token{};
            token.Kind = TokenKind::Text;
            at_ = EndOfText(start + 1);
            break;
        }
        token.Raw = source_.substr(start, at_ - start);
        return true;
    }

    // The offset of the next token in the source.
    size_t Offset() const { return at_; }
    // Goes on at an offset of the source (past a group read by other means).
    void MoveTo(size_t offset) { at_ = std::min(offset, source_.size()); }

private:
    size_t EndOfText(size_t from) const
    {
        while (from < source_.size()) {
            const char c = source_[from];
            if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
                break;
            ++from;
        }
        return from;
    }

    void Control(Token& token);
    void ControlWord(Token& token);

    std::string_view source_;
    size_t at_ = 0;
};

} // namespace formats::rtf
