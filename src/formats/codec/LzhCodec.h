// The LZH codec object: LZSS over a 4096-byte ring with a binary-tree match finder, then
// adaptive Huffman coding of literals and match lengths and a fixed prefix code for the upper
// bits of match positions. The bit stream is the one existing diary files hold, bit for bit.
// The codec never touches streams itself: it reads and writes through two callbacks.
#pragma once

#include "formats/codec/HuffmanModel.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace formats::codec {

class LzhCodec {
public:
    // Delivers min(count, bytes left) bytes into buffer and returns how many (0 at the end).
    using ReadCallback = std::function<size_t(uint8_t* buffer, size_t count)>;
    // Writes exactly count bytes.
    using WriteCallback = std::function<void(const uint8_t* buffer, size_t count)>;

    LzhCodec(ReadCallback read, WriteCallback write);
    ~LzhCodec();
    LzhCodec(const LzhCodec&) = delete;
    LzhCodec& operator=(const LzhCodec&) = delete;

    // Encodes every byte the read callback delivers.
    void Encode();
    // Decodes until at least length bytes were written (nothing when length is negative).
    void Decode(int32_t length);

private:
    struct Tables;

    void EncodeChar(int symbol);
    void EncodePosition(int position);
    int DecodeChar();
    int DecodePosition();

    // Match finder: one binary search tree of ring positions per first byte.
    void InitTree();
    void InsertNode(int r);
    void DeleteNode(int p);

    formats::codec::ByteSource source_;
    WriteCallback write_;
    std::unique_ptr<Tables> tables_;
    std::unique_ptr<formats::codec::BitWriter> writer_;
    std::unique_ptr<formats::codec::BitReader> reader_;

    int16_t matchPosition_ = 0;
    int16_t matchLength_ = 0;
};

} // namespace formats::codec
