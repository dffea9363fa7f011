// The tokens of RTF text as they stand in the source: group braces, control words with their
// parameter, control symbols, \'hh bytes, \bin data, plain text and line ends. Each token
// keeps its exact bytes, so a document can be copied token by token with a few of them changed.
#pragma once

#include <string_view>

namespace rtfexport {

enum class TokenKind {
    Open,    // {
    Close,   // }
    Word,    // \name or \nameN, with the blank that ends it
    Symbol,  // \ and one character that is not a letter (\~, \*, \{, ...)
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
    char Character = 0;     // Symbol: the character after the backslash
    unsigned char Byte = 0; // Hex: the byte
    std::string_view Data;  // Bin: the data that follows, cut short where the source ends
};

class RtfScanner {
public:
    explicit RtfScanner(std::string_view source) : source_(source) {}

    // The next token; false at the end of the source.
    bool Next(Token& token);

private:
    void Control(Token& token);
    void ControlWord(Token& token);

    std::string_view source_;
    size_t at_ = 0;
};

} // namespace rtfexport
