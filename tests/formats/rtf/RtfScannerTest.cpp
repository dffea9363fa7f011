// The tokens both the reader and the export's joiner walk documents with: where each ends and
// what it carries, at the edges of the source.
#include "formats/rtf/RtfScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace formats::rtf;

namespace {

std::vector<Token> Tokens(std::string_view source)
{
    RtfScanner scanner(source);
    std::vector<Token> tokens;
    Token token;
    while (scanner.Next(token))
        tokens.push_back(token);
    return tokens;
}

// The tokens' bytes, one after the other: the source again, cut where the tokens end.
std::vector<std::string> Raw(std::string_view source)
{
    std::vector<std::string> raw;
    for (const Token& token : Tokens(source))
        raw.emplace_back(token.Raw);
    return raw;
}

} // namespace

TEST(RtfScanner, TokensCoverTheSourceByteForByte)
{
    EXPECT_EQ(Raw("{\\rtf1\\ansi x\\par\r\n\\'e9\\~}"),
              (std::vector<std::string>{"{", "\\rtf1", "\\ansi ", "x", "\\par", "\r\n", "\\'e9", "\\~", "}"}));
    EXPECT_EQ(Raw("a\r\n\r\rb"), (std::vector<std::string>{"a", "\r\n\r\r", "b"})) << "line ends run together";
    EXPECT_EQ(Raw("\\b  two"), (std::vector<std::string>{"\\b ", " two"})) << "one blank ends a word";
    EXPECT_TRUE(Tokens("").empty());
}

TEST(RtfScanner, ControlWordsCarryTheirParameter)
{
    const std::string source = "\\fs24\\li-360\\b\\u-3913?\\x-y";
    EXPECT_EQ(Raw(source), (std::vector<std::string>{"\\fs24", "\\li-360", "\\b", "\\u-3913", "?", "\\x", "-y"}))
        << "a minus not followed by a digit is no parameter";
    const std::vector<Token> tokens = Tokens(source);
    EXPECT_EQ(tokens[0].Name, "fs");
    EXPECT_EQ(std::tuple(tokens[0].HasParam, tokens[0].Param, tokens[1].Param), std::tuple(true, 24, -360));
    EXPECT_FALSE(tokens[2].HasParam);
    EXPECT_EQ(tokens[3].Param, -3913);
}

TEST(RtfScanner, SymbolsHexBytesAndBrokenEscapes)
{
    const std::string source = "\\'E9\\'4\\{\\\\\\*\\";
    EXPECT_EQ(Raw(source), (std::vector<std::string>{"\\'E9", "\\'", "4", "\\{", "\\\\", "\\*", "\\"}));
    const std::vector<Token> tokens = Tokens(source);
    EXPECT_EQ(std::tuple(tokens[0].Kind, tokens[0].Byte), std::tuple(TokenKind::Hex, 0xE9));
    std::string symbols;
    for (size_t i = 1; i < tokens.size(); ++i)
        if (tokens[i].Kind == TokenKind::Symbol)
            symbols += tokens[i].Character;
    EXPECT_EQ(symbols, std::string("'{\\*\0", 5)) << "a \\' without two hex digits, a lone \\ at the end";
}

TEST(RtfScanner, BinaryDataIsTakenWholeOrToTheEnd)
{
    EXPECT_EQ(Raw("\\bin3 {}\\x}"), (std::vector<std::string>{"\\bin3 {}\\", "x", "}"}));
    const std::vector<Token> whole = Tokens("\\bin3 {}\\x}");
    EXPECT_EQ(std::tuple(whole[0].Kind, whole[0].Data), std::tuple(TokenKind::Bin, "{}\\"));
    EXPECT_EQ(whole[2].Kind, TokenKind::Close);
    const std::vector<Token> cut = Tokens("\\bin10 ab");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].Data, "ab") << "data cut short where the source ends";
    EXPECT_EQ(Tokens("\\bin-5 x")[0].Data, "") << "a negative count takes nothing";
}
