// The picture groups of an RTF body: finding where they end, reading the picture they hold,
// and writing a new one. A {\*\shppict ...} group followed by its {\nonshppict ...} twin is one
// picture (the first is shown, both are kept).
#pragma once

#include "formats/rtf/RichText.h"

#include <optional>
#include <string>
#include <string_view>

namespace formats::rtf {

struct PictureGroupSpan {
    size_t End = 0;           // just past the last brace, or the source's end
    int MissingBraces = 0;    // closing braces the source lacks when it ends inside the group
};

// The span of the picture group(s) opening with the '{' at open, or nothing when that group
// holds no picture.
std::optional<PictureGroupSpan> FindPictureGroup(std::string_view source, size_t open);

// Whether the group is a {\nonshppict ...} group.
bool IsNonShapeGroup(std::string_view group);

// The picture held by a span FindPictureGroup found; Source is the span, closed when it was cut short.
formats::rtf::Picture ReadPicture(std::string_view group, int missingBraces);

// Pictures are shown at 96 pixels to the inch.
inline constexpr int TwipsPerPixel = 15;

// A shown size in twips kept between one pixel and 22 inches, whatever a source declares.
int ClampTwips(long long twips);

// The size in pixels a PNG or JPEG file declares in its header.
struct PixelSize {
    int Width = 0;
    int Height = 0;
};
std::optional<PixelSize> DeclaredPixelSize(formats::rtf::PictureKind kind, std::string_view data);

// A {\pict ...} group for the picture's kind, data and shown size, its data as lines of hex.
std::string WritePictureGroup(const formats::rtf::Picture& picture);

// Whether a group can be stored as it is: 7-bit text without "@" (the record format's
// separator) and without raw \bin data.
bool IsStorableAsIs(std::string_view group);

} // namespace formats::rtf
