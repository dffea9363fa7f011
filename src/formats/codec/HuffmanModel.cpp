#include "formats/codec/HuffmanModel.h"

#include <cstring>

namespace formats::codec {

namespace {
constexpr uint16_t MaxFreq = 0x8000;
}

void BitWriter::Flush()
{
    for (; pendingLength_ > 0; pendingLength_ -= 8, pending_ <<= 8)
        block_[used_++] = static_cast<uint8_t>(pending_ >> 56);
    pendingLength_ = 0;
    pending_ = 0;
    Drain();
}

void BitWriter::Drain()
{
    if (used_ > 0)
        sink_(block_, used_);
    used_ = 0;
}

void HuffmanModel::Start()
{
    for (int s = 0; s < SymbolCount; ++s) {
        freq_[s] = 1;
        son_[s] = static_cast<int16_t>(s + NodeCount);
        prnt_[s + NodeCount] = static_cast<int16_t>(s);
    }
    for (int i = 0, j = SymbolCount; j <= Root; i += 2, ++j) {
        freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        son_[j] = static_cast<int16_t>(i);
        prnt_[i] = prnt_[i + 1] = static_cast<int16_t>(j);
    }
    freq_[NodeCount] = 0xFFFF;
    prnt_[Root] = 0;
}

// Halves every frequency and builds the tree again from the leaves.
void HuffmanModel::Reconstruct()
{
    int j = 0;
    for (int i = 0; i < NodeCount; ++i) {
        if (son_[i] >= NodeCount) {
            freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
            son_[j] = son_[i];
            ++j;
        }
    }
    for (int i = 0, node = SymbolCount; node < NodeCount; i += 2, ++node) {
        const auto f = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        freq_[node] = f;
        int k = node - 1;
        while (f < freq_[k])
            --k;
        ++k;
        const auto moved = static_cast<size_t>(node - k);
        std::memmove(&freq_[k + 1], &freq_[k], moved * sizeof freq_[0]);
        freq_[k] = f;
        std::memmove(&son_[k + 1], &son_[k], moved * sizeof son_[0]);
        son_[k] = static_cast<int16_t>(i);
    }
    for (int i = 0; i < NodeCount; ++i) {
        const int k = son_[i];
        prnt_[k] = static_cast<int16_t>(i);
        if (k < NodeCount)
            prnt_[k + 1] = static_cast<int16_t>(i);
    }
}

void HuffmanModel::Update(int symbol)
{
    if (freq_[Root] == MaxFreq)
        Reconstruct();
    int c = prnt_[symbol + NodeCount];
    do {
        const uint16_t k = ++freq_[c];
        int l = c + 1;
        if (k > freq_[l]) {
            while (k > freq_[++l]) {
            }
            --l;
            freq_[c] = freq_[l];
            freq_[l] = k;

            const int i = son_[c];
            prnt_[i] = static_cast<int16_t>(l);
            if (i < NodeCount)
                prnt_[i + 1] = static_cast<int16_t>(l);

            const int j = son_[l];
            son_[l] = static_cast<int16_t>(i);
            prnt_[j] = static_cast<int16_t>(c);
            if (j < NodeCount)
                prnt_[j + 1] = static_cast<int16_t>(c);
            son_[c] = static_cast<int16_t>(j);
            c = l;
        }
        c = prnt_[c];
    } while (c != 0);
}

std::pair<uint64_t, int> HuffmanModel::Code(int symbol) const
{
    // Gathered from the leaf upward: each step's bit goes in at the top.
    uint64_t code = 0;
    int length = 0;
    int k = prnt_[symbol + NodeCount];
    do {
        code = code >> 1 | static_cast<uint64_t>(k & 1) << 63;
        ++length;
        k = prnt_[k];
    } while (k != Root);
    return {code, length};
}

} // namespace formats::codec
