// The items the build embeds in the program (generated from assets/ at build time), in the
// order the resource store holds them.
#pragma once

#include <cstddef>

namespace packed_items {

struct TEmbeddedItem {
    const char* name;
    const unsigned char* data;
    size_t size;
};

extern const TEmbeddedItem Items[];
extern const size_t ItemCount;

} // namespace packed_items
