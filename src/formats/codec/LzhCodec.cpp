#include "formats/codec/LzhCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>
#include <vector>

namespace formats::codec {

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

struct LzhCodec::Tables {
    // The ring; bytes N.. mirror bytes 0.. so that comparing F bytes never wraps.
    uint8_t Text[N + F - 1];
    // Match tree: the left and right child of node p side by side at 2p and 2p + 1, so the
    // descent picks a side without a branch. Nodes N + 1 + c are the roots, one per first
    // byte c (only their right child is used); NIL is the empty link.
    int16_t Child[2 * (N + 257)];
    int16_t Dad[N + 1];
    formats::codec::HuffmanModel Huffman;

    int16_t& Left(int p) { return Child[2 * p]; }
    // Left child in the low, right child in the high 16 bits.
    uint32_t Children(int p) const
    {
        uint32_t both;
        std::memcpy(&both, &Child[2 * p], sizeof both);
        return both;
    }
    int16_t& Right(int p) { return Child[2 * p + 1]; }
    // The link of p's parent that points to p.
    int16_t& LinkTo(int p)
    {
        const int parent = Dad[p];
        return Child[2 * parent + (Right(parent) == p ? 1 : 0)];
    }
};

LzhCodec::LzhCodec(ReadCallback read, WriteCallback write) : source_(std::move(read)), write_(std::move(write))
{
    tables_ = std::make_unique<Tables>();
    // Ring positions not yet written (the look-ahead and its mirror) read as zero.
    std::memset(tables_->Text, 0, sizeof tables_->Text);
}

LzhCodec::~LzhCodec() = default;

void LzhCodec::EncodeChar(int symbol)
{
    const auto [code, length] = tables_->Huffman.Code(symbol);
    writer_->PutLongCode(length, code);
    tables_->Huffman.Update(symbol);
}

void LzhCodec::EncodePosition(int position)
{
    const int upper = position >> 6;
    writer_->PutCode(PositionLength[upper], static_cast<uint16_t>(PositionCode[upper] << 8));
    writer_->PutCode(6, static_cast<uint16_t>((position & 0x3F) << 10));
}

int LzhCodec::DecodeChar()
{
    const int symbol = tables_->Huffman.Walk([this] { return reader_->GetBit(); }).first;
    tables_->Huffman.Update(symbol);
    return symbol;
}

int LzhCodec::DecodePosition()
{
    int b = reader_->GetByte();
    const int upper = DecodeCode[b];
    for (int n = DecodeLength[b] - 2; n > 0; --n)
        b = (b << 1) + reader_->GetBit();
    return (upper << 6) | (b & 0x3F);
}

// ---- match finder ---------------------------------------------------------------------------

namespace {

struct Comparison {
    int Length;   // how many of the F bytes agree from the start (F when all do)
    bool Greater; // whether a's first differing byte is the greater one
};

// Compares the F bytes at a and b, given that the first ones agree; eight bytes at a time.
Comparison Compare(const uint8_t* a, const uint8_t* b)
{
    int i = 1;
    for (; i + 8 <= F; i += 8) {
        uint64_t x;
        uint64_t y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) {
            static_assert(std::endian::native == std::endian::little);
            const int shift = std::countr_zero(x ^ y) & ~7;
            return {i + (shift >> 3), ((x >> shift) & 0xFF) > ((y >> shift) & 0xFF)};
        }
    }
    while (i < F && a[i] == b[i])
        ++i;
    return {i, i >= F || a[i] > b[i]};
}

} // namespace

void LzhCodec::InitTree()
{
    Tables& t = *tables_;
    for (int i = N + 1; i <= N + 256; ++i)
        t.Right(i) = NIL;
    for (int i = 0; i <= N; ++i)
        t.Dad[i] = NIL;
}

// Inserts position r and leaves the longest match for the bytes at r in matchLength_ and
// matchPosition_ (the nearest occurrence among equally long ones).
void LzhCodec::InsertNode(int r)
{
    Tables& t = *tables_;
    const uint8_t* key = &t.Text[r];
    int p = N + 1 + key[0];
    t.Left(r) = t.Right(r) = NIL;
    // The best match so far as one number, its length above its nearness, so that longer
    // matches win and, among equally long ones on the path, the nearest. Zero is no match
    // (the position of the last one then stays, unused).
    int best = 0;
    const auto settle = [&] {
        matchLength_ = static_cast<int16_t>(best >> 12);
        matchPosition_ = static_cast<int16_t>(best == 0 ? matchPosition_ : (N - 1) - (best & (N - 1)));
    };
    int side = 1;
    // Both children of a node are fetched together before the comparison that chooses
    // between them.
    uint32_t children = t.Children(p);
    for (;;) {
        const auto next = static_cast<int16_t>(side != 0 ? children >> 16 : children & 0xFFFF);
        if (next == NIL) {
            t.Child[2 * p + side] = static_cast<int16_t>(r);
            t.Dad[r] = static_cast<int16_t>(p);
            settle();
            return;
        }
        p = next;
        children = t.Children(p);
        const auto [i, greater] = Compare(key, &t.Text[p]);
        side = greater ? 1 : 0;
        const int distance = ((r - p) & (N - 1)) - 1;
        // Computed without a branch: whether a node beats the best is as good as random.
        const int candidate = (i << 12 | ((N - 1) - distance)) & -static_cast<int>(i > Threshold);
        best = std::max(best, candidate);
        if (i >= F)
            break;
    }
    settle();
    // A full-length match: r takes p's place in the tree.
    t.Dad[r] = t.Dad[p];
    t.Left(r) = t.Left(p);
    t.Right(r) = t.Right(p);
    t.Dad[t.Left(p)] = static_cast<int16_t>(r);
    t.Dad[t.Right(p)] = static_cast<int16_t>(r);
    t.LinkTo(p) = static_cast<int16_t>(r);
    t.Dad[p] = NIL;
}

void LzhCodec::DeleteNode(int p)
{
    Tables& t = *tables_;
    if (t.Dad[p] == NIL)
        return;
    int q;
    const int left = t.Left(p);
    const int right = t.Right(p);
    if (left == NIL || right == NIL) {
        q = right == NIL ? left : right;
    } else {
        // Both children: the largest node of the left subtree takes p's place.
        q = left;
        if (t.Right(q) != NIL) {
            do {
                q = t.Right(q);
            } while (t.Right(q) != NIL);
            t.Right(t.Dad[q]) = t.Left(q);
            t.Dad[t.Left(q)] = t.Dad[q];
            t.Left(q) = static_cast<int16_t>(left);
            t.Dad[left] = static_cast<int16_t>(q);
        }
        t.Right(q) = static_cast<int16_t>(right);
        t.Dad[right] = static_cast<int16_t>(q);
    }
    t.Dad[q] = t.Dad[p];
    t.LinkTo(p) = static_cast<int16_t>(q);
    t.Dad[p] = NIL;
}

// ---- encoder and decoder --------------------------------------------------------------------

void LzhCodec::Encode()
{
    Tables& t = *tables_;
    t.Huffman.Start();
    writer_ = std::make_unique<formats::codec::BitWriter>(write_);
    InitTree();
    int s = 0;
    int r = StartPosition;
    std::memset(t.Text, ' ', StartPosition);

    int len = 0;
    uint8_t c = 0;
    for (; len < F; ++len) {
        if (!source_.Next(c))
            break;
        t.Text[r + len] = c;
    }
    for (int i = 1; i <= F; ++i)
        InsertNode(r - i);
    InsertNode(r);

    do {
        if (matchLength_ > len)
            matchLength_ = static_cast<int16_t>(len);
        if (matchLength_ <= Threshold) {
            matchLength_ = 1;
            EncodeChar(t.Text[r]);
        } else {
            EncodeChar(255 - Threshold + matchLength_);
            EncodePosition(matchPosition_);
        }
        const int last = matchLength_;
        int i = 0;
        for (; i < last; ++i) {
            if (!source_.Next(c))
                break;
            DeleteNode(s);
            t.Text[s] = c;
            if (s < F - 1)
                t.Text[s + N] = c;
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
}

void LzhCodec::Decode(int32_t length)
{
    Tables& t = *tables_;
    t.Huffman.Start();
    reader_ = std::make_unique<formats::codec::BitReader>(source_);
    std::memset(t.Text, ' ', StartPosition);
    int r = StartPosition;
    // Decoded bytes go out in blocks.
    std::vector<uint8_t> out;
    out.reserve(OutputBlock + F);
    const auto emit = [&](uint8_t byte) {
        out.push_back(byte);
        t.Text[r] = byte;
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
                emit(t.Text[(start + k) & (N - 1)]);
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

} // namespace formats::codec
