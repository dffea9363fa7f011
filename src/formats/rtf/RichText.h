// Formatted text as the diary body holds it: paragraphs of runs of characters sharing one
// character format. What the RTF reader produces and the writer consumes; the editor turns it
// into a QTextDocument and back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace formats::rtf {

// A colour as 0xRRGGBB, or Automatic (the text's default colour, no highlight).
constexpr uint32_t Automatic = 0xFFFFFFFF;

enum class Alignment : uint8_t { Left, Center, Right, Justify };

struct CharFormat {
    std::string Font;   // family name in UTF-8; empty: the editor's default font
    int HalfPoints = 0; // size in half points; 0: the editor's default size
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;
    uint32_t Color = Automatic;
    uint32_t Highlight = Automatic;

    bool operator==(const CharFormat&) const = default;
};

// The kinds of picture a body can hold. Png and Jpeg are shown; the others keep their place
// as a framed placeholder of their size.
enum class PictureKind : uint8_t { Png, Jpeg, Emf, Wmf, Dib, Bitmap, Mac, Unknown };

struct Picture {
    PictureKind Kind = PictureKind::Unknown;
    int WidthTwips = 0;  // the size it is shown at (goal size times scale), 1440 to the inch
    int HeightTwips = 0;
    std::string Data;    // the picture's own bytes (the PNG or JPEG file for those kinds)
    std::string Source;  // the RTF group(s) it came from, written back unchanged
};

struct TextRun {
    CharFormat Format;
    std::u16string Text; // UTF-16; line breaks inside a paragraph are U+2028, tabs are U+0009
    std::shared_ptr<const formats::rtf::Picture> Picture; // set: the run is this picture, Text empty
};

struct Paragraph {
    formats::rtf::Alignment Alignment = formats::rtf::Alignment::Left;
    CharFormat Mark; // the format of the paragraph mark: what an empty paragraph is typed in
    std::vector<TextRun> Runs;
};

struct RichText {
    std::vector<Paragraph> Paragraphs;
};

} // namespace formats::rtf
