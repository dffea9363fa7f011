#include "formats/codec/LzhCompressor.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

using namespace base::io;
using namespace base::result;
using namespace formats::codec;

using testing_support::ReadBytes;
using testing_support::VectorPath;

namespace {

std::string Compressed(const std::string& source)
{
    MemoryStream in(source);
    MemoryStream out;
    LzhCompressor::Compress(in, out);
    return out.Bytes();
}

std::string Decompressed(const std::string& compressed)
{
    MemoryStream in(compressed);
    MemoryStream out;
    EXPECT_TRUE(LzhCompressor::Decompress(in, out).Ok());
    return out.Bytes();
}

std::string Hex(const std::string& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (const unsigned char c : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

std::string LittleEndian(uint32_t value)
{
    return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
            static_cast<char>(value >> 24)};
}

} // namespace

TEST(LZHCompress, MatchesTheShortReferenceStreams)
{
    EXPECT_EQ(Hex(Compressed("abc")), "03 00 00 00 F6 FB BD E0");
    EXPECT_EQ(Hex(Compressed(std::string(10, 'a'))), "0A 00 00 00 F6 C9 00 00");
}

TEST(LZHCompress, MatchesEveryReferenceVectorBothWays)
{
    for (const char* name : {"01-text", "02-random-rebuild", "03-spaces-first", "04-runs-overlaps",
                             "05-diary-payload", "06-skewed"}) {
        SCOPED_TRACE(name);
        const std::string source = ReadBytes(VectorPath(std::string("lzh/") + name + ".bin"));
        const std::string expected = ReadBytes(VectorPath(std::string("lzh/") + name + ".lzh"));
        ASSERT_FALSE(source.empty());
        EXPECT_TRUE(Compressed(source) == expected) << "encoder differs from the reference";
        EXPECT_TRUE(Decompressed(expected) == source) << "decoder differs from the reference";
    }
}

TEST(LZHCompress, EmptySourceCodesOneLiteralThatTheDecoderNeverReads)
{
    const std::string compressed = Compressed("");
    EXPECT_EQ(compressed.substr(0, 4), LittleEndian(0));
    EXPECT_GE(compressed.size(), 5u);
    EXPECT_LE(compressed.size(), 6u);
    EXPECT_EQ(Decompressed(compressed), "");
    // The unwritten look-ahead is zero, so the lone literal is the same every time.
    EXPECT_EQ(compressed, Compressed(""));
}

TEST(LZHCompress, CodesDeeperThanSixteenBitsGoOutWhole)
{
    // Nine symbols whose counts grow like the Fibonacci numbers from just above the weight of
    // all the unused symbols stack nine levels above them, so the unused ones end up 18 deep.
    // Code every symbol as the encoder does and read it back as the decoder does.
    std::vector<int> symbols;
    for (int symbol = 0, a = 350, b = 350; symbol < 9; ++symbol, std::tie(a, b) = std::pair(b, a + b))
        symbols.insert(symbols.end(), static_cast<size_t>(a), symbol * 13 + 5);
    std::shuffle(symbols.begin(), symbols.end(), std::mt19937(11));
    for (const int rare : {300, 1, 256, 313})
        symbols.push_back(rare);

    std::string coded;
    BitWriter writer([&](const uint8_t* b, size_t n) { coded.append(reinterpret_cast<const char*>(b), n); });
    HuffmanModel encoder;
    int longest = 0;
    for (const int symbol : symbols) {
        const auto [code, length] = encoder.Code(symbol);
        longest = std::max(longest, length);
        writer.PutLongCode(length, code);
        encoder.Update(symbol);
    }
    writer.Flush();
    EXPECT_GT(longest, 16) << "the counts no longer drive the tree deep enough";

    MemoryStream in(coded);
    ByteSource source([&](uint8_t* b, size_t n) { return in.Read(b, n); });
    BitReader reader(source);
    HuffmanModel decoder;
    for (size_t i = 0; i < symbols.size(); ++i) {
        const int symbol = decoder.Walk([&] { return reader.GetBit(); }).first;
        ASSERT_EQ(symbol, symbols[i]) << "symbol " << i;
        decoder.Update(symbol);
    }
}

TEST(LZHCompress, DecompressRefusesImpossibleHeaders)
{
    for (const std::string& shortSource : {std::string(), std::string("\x01\x00\x00", 3)}) {
        MemoryStream in(shortSource);
        MemoryStream out;
        const Status decoded = LzhCompressor::Decompress(in, out);
        EXPECT_EQ(decoded.Code(), Reason::Damaged);
        EXPECT_EQ(decoded.Message(), "LZH : Compressed data is shorter than its length header");
    }
    // Eight coded bytes cannot hold more than 8 * 8 * 60 bytes.
    const std::string body(8, '\0');
    EXPECT_GE(Decompressed(LittleEndian(3840) + body).size(), 3840u);
    MemoryStream in(LittleEndian(3841) + body);
    MemoryStream out;
    const Status decoded = LzhCompressor::Decompress(in, out);
    EXPECT_EQ(decoded.Code(), Reason::Damaged);
    EXPECT_EQ(decoded.Message(), "LZH : Length header exceeds what the compressed data can hold");
    EXPECT_EQ(out.Size(), 0u);
}

TEST(LZHCompress, NegativeHeaderYieldsNothingAndTruncatedStreamsEndAtTheirLength)
{
    EXPECT_EQ(Decompressed(LittleEndian(0x80000000u) + "\xF6\xFB"), "");
    const std::string text = ReadBytes(VectorPath("lzh/01-text.bin"));
    const std::string compressed = Compressed(text);
    const std::string decoded = Decompressed(compressed.substr(0, compressed.size() / 2));
    EXPECT_GE(decoded.size(), text.size());
    EXPECT_LE(decoded.size(), text.size() + 59);
    EXPECT_TRUE(decoded.compare(0, 1000, text, 0, 1000) == 0);
}

TEST(LZHCompress, StreamCRCIsTheStandardOneAndKeepsThePosition)
{
    MemoryStream empty;
    EXPECT_EQ(LzhCompressor::StreamCRC(empty), 0u);
    MemoryStream digits(std::string("123456789"));
    digits.Seek(4);
    EXPECT_EQ(LzhCompressor::StreamCRC(digits), 0xCBF43926u);
    EXPECT_EQ(digits.Position(), 4u);
    MemoryStream large(std::string(25000, 'a')); // spans several of the 10240-byte chunks
    EXPECT_EQ(LzhCompressor::StreamCRC(large), 0x20088A66u);
}
