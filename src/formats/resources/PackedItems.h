// The items the build embeds in the program (generated from assets/ at build time), in the
// order the resource store holds them.
#pragma once

#include <cstddef>

namespace formats::resources {

namespace packed_items {

struct EmbeddedItem {
    const char* Name;
    const unsigned char* Data;
    size_t Size;
};

extern const EmbeddedItem Items[];
extern const size_t ItemCount;

} // namespace packed_items

} // namespace formats::resources
