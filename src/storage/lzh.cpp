#include "storage/lzh.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr int N = 4096;           // ring size
constexpr int F = 60;             // look-ahead and longest match
constexpr int Threshold = 2;      // matches this long or shorter are sent as literals
constexpr int NIL = N;            // empty link of the match tree
constexpr int StartPosition = N - F; // 4036
constexpr size_t OutputBlock = 4096;

// Length of the prefix code of the upper six bits of a position, by those bits.
constexpr std::array<uint8_t, 64> PositionLength = [] {
    std::array<uint8_t, 64> table{};
    for (int u = 0; u < 64; ++u)
        table[u] = u < 1 ? 3 : u < 4 ? 4 : u < 12 ? 5 : u < 24 ? 6 : u < 48 ? 7 : 8;
    return table;
}();

// The code itself, left-aligned in one byte: canonical, in order of u.
constexpr std::array<uint8_t, 64> PositionCode = [] {
    std::array<uint8_t, 64> table{};
    int code = 0;
    for (int u = 0; u < 64; ++u) {
        table[u] = static_cast<uint8_t>(code);
        code += 1 << (8 - PositionLength[u]);
    }
    return table;
}();

// For each byte whose leading bits hold a position code: the upper bits it codes...
constexpr std::array<uint8_t, 256> DecodeCode = [] {
    std::array<uint8_t, 256> table{};
    for (int u = 0; u < 64; ++u)
        for (int b = 0; b < (1 << (8 - PositionLength[u])); ++b)
            table[PositionCode[u] + b] = static_cast<uint8_t>(u);
    return table;
}();

// ...and the length of that code.
constexpr std::array<uint8_t, 256> DecodeLength = [] {
    std::array<uint8_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = PositionLength[DecodeCode[b]];
    return table;
}();

static_assert(PositionCode[1] == 0x20 && PositionCode[4] == 0x50 && PositionCode[12] == 0x90 &&
              PositionCode[24] == 0xC0 && PositionCode[48] == 0xF0 && PositionCode[63] == 0xFF);

} // namespace

struct TLZH::Tables {
    // The ring; bytes N.. mirror bytes 0.. so that comparing F bytes never wraps.
    uint8_t text[N + F - 1];
    int16_t lson[N + 1];
    int16_t dad[N + 1];
    int16_t rson[N + 257]; // entries N + 1 + c are the roots, one per first byte c
    lzh::THuffmanModel huffman;
};

TLZH::TLZH(TReadCallback read, TWriteCallback write) : read_(std::move(read)), write_(std::move(write))
{
    try {
        tables_ = std::make_unique<Tables>();
    } catch (...) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    // Ring positions not yet written (the look-ahead and its mirror) read as zero.
    std::memset(tables_->text, 0, sizeof tables_->text);
}

TLZH::~TLZH() = default;

uint8_t TLZH::ReadByte(bool& ok)
{
    uint8_t byte = 0;
    ok = read_(&byte, 1) == 1;
    return byte;
}

void TLZH::EncodeChar(int symbol)
{
    const auto [code, length] = tables_->huffman.Code(symbol);
    writer_->PutLongCode(length, code);
    tables_->huffman.Update(symbol);
}

void TLZH::EncodePosition(int position)
{
    const int upper = position >> 6;
    writer_->PutCode(PositionLength[upper], static_cast<uint16_t>(PositionCode[upper] << 8));
    writer_->PutCode(6, static_cast<uint16_t>((position & 0x3F) << 10));
}

int TLZH::DecodeChar()
{
    const int symbol = tables_->huffman.Walk([this] { return reader_->GetBit(); }).first;
    tables_->huffman.Update(symbol);
    return symbol;
}

int TLZH::DecodePosition()
{
    int b = reader_->GetByte();
    const int upper = DecodeCode[b];
    for (int n = DecodeLength[b] - 2; n > 0; --n)
        b = (b << 1) + reader_->GetBit();
    return (upper << 6) | (b & 0x3F);
}

// ---- match finder ---------------------------------------------------------------------------

void TLZH::InitTree()
{
    Tables& t = *tables_;
    for (int i = N + 1; i <= N + 256; ++i)
        t.rson[i] = NIL;
    for (int i = 0; i < N; ++i)
        t.dad[i] = NIL;
    t.dad[N] = NIL;
}

// Inserts position r and leaves the longest match for the bytes at r in matchLength_ and
// matchPosition_ (the nearest occurrence among equally long ones).
void TLZH::InsertNode(int r)
{
    Tables& t = *tables_;
    const uint8_t* key = &t.text[r];
    int p = N + 1 + key[0];
    t.rson[r] = t.lson[r] = NIL;
    matchLength_ = 0;
    int cmp = 1;
    for (;;) {
        if (cmp >= 0) {
            if (t.rson[p] != NIL) {
                p = t.rson[p];
            } else {
                t.rson[p] = static_cast<int16_t>(r);
                t.dad[r] = static_cast<int16_t>(p);
                return;
            }
        } else {
            if (t.lson[p] != NIL) {
                p = t.lson[p];
            } else {
                t.lson[p] = static_cast<int16_t>(r);
                t.dad[r] = static_cast<int16_t>(p);
                return;
            }
        }
        const uint8_t* other = &t.text[p];
        int i = 1;
        cmp = 0;
        for (; i < F; ++i) {
            cmp = key[i] - other[i];
            if (cmp != 0)
                break;
        }
        if (i > Threshold) {
            const int distance = ((r - p) & (N - 1)) - 1;
            if (i > matchLength_) {
                matchPosition_ = static_cast<int16_t>(distance);
                matchLength_ = static_cast<int16_t>(i);
                if (i >= F)
                    break;
            } else if (i == matchLength_ && distance < matchPosition_) {
                matchPosition_ = static_cast<int16_t>(distance);
            }
        }
    }
    // A full-length match: r takes p's place in the tree.
    t.dad[r] = t.dad[p];
    t.lson[r] = t.lson[p];
    t.rson[r] = t.rson[p];
    t.dad[t.lson[p]] = static_cast<int16_t>(r);
    t.dad[t.rson[p]] = static_cast<int16_t>(r);
    if (t.rson[t.dad[p]] == p)
        t.rson[t.dad[p]] = static_cast<int16_t>(r);
    else
        t.lson[t.dad[p]] = static_cast<int16_t>(r);
    t.dad[p] = NIL;
}

void TLZH::DeleteNode(int p)
{
    Tables& t = *tables_;
    if (t.dad[p] == NIL)
        return;
    int q;
    if (t.rson[p] == NIL) {
        q = t.lson[p];
    } else if (t.lson[p] == NIL) {
        q = t.rson[p];
    } else {
        q = t.lson[p];
        if (t.rson[q] != NIL) {
            do {
                q = t.rson[q];
            } while (t.rson[q] != NIL);
            t.rson[t.dad[q]] = t.lson[q];
            t.dad[t.lson[q]] = t.dad[q];
            t.lson[q] = t.lson[p];
            t.dad[t.lson[p]] = static_cast<int16_t>(q);
        }
        t.rson[q] = t.rson[p];
        t.dad[t.rson[p]] = static_cast<int16_t>(q);
    }
    t.dad[q] = t.dad[p];
    if (t.rson[t.dad[p]] == p)
        t.rson[t.dad[p]] = static_cast<int16_t>(q);
    else
        t.lson[t.dad[p]] = static_cast<int16_t>(q);
    t.dad[p] = NIL;
}

// ---- encoder and decoder --------------------------------------------------------------------

int64_t TLZH::Encode()
{
    Tables& t = *tables_;
    t.huffman.Start();
    writer_ = std::make_unique<lzh::TBitWriter>(write_);
    InitTree();
    int s = 0;
    int r = StartPosition;
    std::memset(t.text, ' ', StartPosition);

    int64_t consumed = 0;
    int len = 0;
    bool ok = true;
    for (; len < F; ++len) {
        const uint8_t c = ReadByte(ok);
        if (!ok)
            break;
        t.text[r + len] = c;
        ++consumed;
    }
    for (int i = 1; i <= F; ++i)
        InsertNode(r - i);
    InsertNode(r);

    do {
        if (matchLength_ > len)
            matchLength_ = static_cast<int16_t>(len);
        if (matchLength_ <= Threshold) {
            matchLength_ = 1;
            EncodeChar(t.text[r]);
        } else {
            EncodeChar(255 - Threshold + matchLength_);
            EncodePosition(matchPosition_);
        }
        const int last = matchLength_;
        int i = 0;
        for (; i < last; ++i) {
            const uint8_t c = ReadByte(ok);
            if (!ok)
                break;
            ++consumed;
            DeleteNode(s);
            t.text[s] = c;
            if (s < F - 1)
                t.text[s + N] = c;
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            InsertNode(r);
        }
        while (i++ < last) {
            DeleteNode(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len != 0)
                InsertNode(r);
        }
    } while (len > 0);
    writer_->Flush();
    return consumed;
}

void TLZH::Decode(int32_t length)
{
    Tables& t = *tables_;
    t.huffman.Start();
    reader_ = std::make_unique<lzh::TBitReader>(read_);
    std::memset(t.text, ' ', StartPosition);
    int r = StartPosition;
    // Decoded bytes go out in blocks.
    std::vector<uint8_t> out;
    out.reserve(OutputBlock + F);
    const auto emit = [&](uint8_t byte) {
        out.push_back(byte);
        t.text[r] = byte;
        r = (r + 1) & (N - 1);
    };
    for (int32_t count = 0; count < length;) {
        const int c = DecodeChar();
        if (c < 256) {
            emit(static_cast<uint8_t>(c));
            ++count;
        } else {
            const int start = (r - DecodePosition() - 1) & (N - 1);
            const int n = c - 255 + Threshold;
            for (int k = 0; k < n; ++k)
                emit(t.text[(start + k) & (N - 1)]);
            count += n;
        }
        if (out.size() >= OutputBlock) {
            write_(out.data(), out.size());
            out.clear();
        }
    }
    if (!out.empty())
        write_(out.data(), out.size());
}
