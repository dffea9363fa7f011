// The LZH codec object: LZSS over a 4096-byte ring with a binary-tree match finder, then
// adaptive Huffman coding of literals and match lengths and a fixed prefix code for the upper
// bits of match positions. The bit stream is the one existing diary files hold, bit for bit.
// The codec never touches streams itself: it reads and writes through two callbacks.
#pragma once

#include "storage/LZHModel.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLZH {
public:
    // Delivers min(count, bytes left) bytes into buffer and returns how many (0 at the end).
    using TReadCallback = std::function<size_t(uint8_t* buffer, size_t count)>;
    // Writes exactly count bytes or throws.
    using TWriteCallback = std::function<void(const uint8_t* buffer, size_t count)>;

    TLZH(TReadCallback read, TWriteCallback write);
    ~TLZH();
    TLZH(const TLZH&) = delete;
    TLZH& operator=(const TLZH&) = delete;

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

    lzh::TByteSource source_;
    TWriteCallback write_;
    std::unique_ptr<Tables> tables_;
    std::unique_ptr<lzh::TBitWriter> writer_;
    std::unique_ptr<lzh::TBitReader> reader_;

    int16_t matchPosition_ = 0;
    int16_t matchLength_ = 0;
};
