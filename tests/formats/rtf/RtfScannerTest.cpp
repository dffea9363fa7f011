// The tokens both the reader and the export's joiner walk documents with: where each ends and
// what it carries, at the edges of the source.
#include "formats/rtf/RtfScanner.h"

#include <gtest/gtest.h>

#include <string>
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
    const std::vector<Token> tokens = Tokens("\\fs24\\li-360\\b\\u-3913?\\x-y");
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(tokens[0].Name, "fs");
    EXPECT_TRUE(tokens[0].HasParam);
    EXPECT_EQ(tokens[0].Param, 24);
    EXPECT_EQ(tokens[1].Param, -360);
    EXPECT_FALSE(tokens[2].HasParam);
    EXPECT_EQ(tokens[3].Param, -3913);
    EXPECT_EQ(tokens[4].Raw, "?");
    EXPECT_EQ(tokens[5].Raw, "\\x") << "a minus not followed by a digit is no parameter";
    EXPECT_EQ(tokens[6].Raw, "-y");
}

TEST(RtfScanner, SymbolsHexBytesAndBrokenEscapes)
{
    const std::vector<Token> tokens = Tokens("\\'E9\\'4\\{\\\\\\*\\");
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(tokens[0].Kind, TokenKind::Hex);
    EXPECT_EQ(tokens[0].Byte, 0xE9);
    EXPECT_EQ(tokens[1].Kind, TokenKind::Symbol) << "a \\' without two hex digits";
    EXPECT_EQ(tokens[1].Character, '\'');
    EXPECT_EQ(tokens[2].Raw, "4");
    EXPECT_EQ(tokens[3].Character, '{');
    EXPECT_EQ(tokens[4].Character, '\\');
    EXPECT_EQ(tokens[5].Character, '*');
    EXPECT_EQ(tokens[6].Kind, TokenKind::Symbol);
    EXPECT_EQ(tokens[6].Raw, "\\") << "a backslash at the very end";
    EXPECT_EQ(tokens[6].Character, 0);
}

TEST(RtfScanner, BinaryDataIsTakenWholeOrToTheEnd)
{
    const std::vector<Token> whole = Tokens("\\bin3 {}\\x}");
    ASSERT_EQ(whole.size(), 3u);
    EXPECT_EQ(whole[0].Kind, TokenKind::Bin);
    EXPECT_EQ(whole[0].Data, "{}\\");
    EXPECT_EQ(whole[0].Raw, "\\bin3 {}\\");
    EXPECT_EQ(whole[1].Raw, "x");
    EXPECT_EQ(whole[2].Kind, TokenKind::Close);

    const std::vector<Token> cut = Tokens("\\bin10 ab");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].Data, "ab") << "data cut short where the source ends";
    EXPECT_EQ(Tokens("\\bin-5 x")[0].Data, "") << "a negative count takes nothing";
}
