// The pieces of the LZH codec that encoder and decoder share: the bit writer and reader and
// the adaptive Huffman model of the 314 symbols (256 literals, match lengths 3 to 60).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace formats::codec {

constexpr int SymbolCount = 314;
constexpr int NodeCount = SymbolCount * 2 - 1; // 627
constexpr int Root = NodeCount - 1;            // 626

// Packs codes most significant bit first into bytes and hands them on in blocks.
class BitWriter {
public:
    using Sink = std::function<void(const uint8_t* bytes, size_t count)>;
    explicit BitWriter(Sink sink) : sink_(std::move(sink)) {}

    // Puts the `length` (1 to 16) leftmost bits of `code`.
    void PutCode(int length, uint16_t code) { PutBits(length, static_cast<uint64_t>(code) << 48); }
    // Puts a code of any length, left-aligned in 64 bits.
    void PutLongCode(int length, uint64_t code)
    {
        for (; length > 32; length -= 32, code <<= 32)
            PutBits(32, code);
        PutBits(length, code);
    }
    // Writes the pending bits padded with zero bits, then everything buffered.
    void Flush();

private:
    // Adds the `length` (at most 32) leftmost bits of `bits`; whole 32-bit groups go out.
    void PutBits(int length, uint64_t bits)
    {
        pending_ |= bits >> pendingLength_;
        pendingLength_ += length;
        if (pendingLength_ >= 32) {
            for (int shift = 56; shift >= 32; shift -= 8)
                block_[used_++] = static_cast<uint8_t>(pending_ >> shift);
            pending_ <<= 32;
            pendingLength_ -= 32;
            if (used_ + 4 > BlockSize)
                Drain();
        }
    }
    void Drain();

    static constexpr size_t BlockSize = 4096;
    Sink sink_;
    uint8_t block_[BlockSize];
    size_t used_ = 0;
    uint64_t pending_ = 0; // left-aligned
    int pendingLength_ = 0;
};

// Hands out the bytes of a read callback one at a time, fetching them in blocks.
class ByteSource {
public:
    using ReadFunction = std::function<size_t(uint8_t* buffer, size_t count)>;
    explicit ByteSource(ReadFunction read) : read_(std::move(read)), buffer_(BlockSize) {}

    // The next byte, or false at the end of the input.
    bool Next(uint8_t& byte)
    {
        if (position_ == size_) {
            size_ = read_(buffer_.data(), buffer_.size());
            position_ = 0;
            if (size_ == 0)
                return false;
        }
        byte = buffer_[position_++];
        return true;
    }

private:
    static constexpr size_t BlockSize = 4096;
    ReadFunction read_;
    std::vector<uint8_t> buffer_;
    size_t position_ = 0;
    size_t size_ = 0;
};

// Reads bits most significant first; missing input reads as zero bits.
class BitReader {
public:
    explicit BitReader(ByteSource& source) : source_(source) {}

    int GetBit()
    {
        Refill();
        const int bit = getbuf_ >> 15;
        getbuf_ = static_cast<uint16_t>(getbuf_ << 1);
        --getlen_;
        return bit;
    }
    int GetByte()
    {
        Refill();
        const int byte = getbuf_ >> 8;
        getbuf_ = static_cast<uint16_t>(getbuf_ << 8);
        getlen_ -= 8;
        return byte;
    }

private:
    void Refill()
    {
        while (getlen_ <= 8) {
            uint8_t byte = 0;
            if (!source_.Next(byte))
                byte = 0;
            getbuf_ |= static_cast<uint16_t>(byte << (8 - getlen_));
            getlen_ += 8;
        }
    }

    ByteSource& source_;
    uint16_t getbuf_ = 0;
    uint8_t getlen_ = 0;
};

// The adaptive Huffman tree with the sibling property: frequencies never decrease with the
// node index, siblings sit at an even index and the odd one after it, and the bit that leads
// to a node is 0 for the even and 1 for the odd index.
class HuffmanModel {
public:
    HuffmanModel() { Start(); }

    void Start();
    // Counts one more occurrence of the symbol (halving every frequency first when the root
    // has reached the limit) and restores the sibling property.
    void Update(int symbol);

    // The symbol's current code, left-aligned in 64 bits, and its length in bits.
    std::pair<uint64_t, int> Code(int symbol) const;

    // Walks from the root, one bit at a time, to a leaf; returns its symbol and code length.
    template <class NextBit> std::pair<int, int> Walk(NextBit nextBit) const
    {
        int c = son_[Root];
        int length = 0;
        while (c < NodeCount) {
            c = son_[c + nextBit()];
            ++length;
        }
        return {c - NodeCount, length};
    }

private:
    void Reconstruct();

    uint16_t freq_[NodeCount + 1];
    int16_t son_[NodeCount];
    int16_t prnt_[NodeCount + SymbolCount];
};

} // namespace formats::codec
