// Decodes the JPEG skin pictures of the resource store with libjpeg-turbo.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace formats::resources {

struct RgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgb; // rows top to bottom, three bytes a pixel
};

// Nothing when the bytes are not a JPEG picture this library can read, or are damaged.
std::optional<RgbImage> DecodeJpeg(std::string_view bytes);

} // namespace formats::resources
