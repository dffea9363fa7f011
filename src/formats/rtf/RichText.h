// Formatted text as the diary body holds it: paragraphs of runs of characters sharing one
// character format. What the RTF reader produces and the writer consumes; the editor turns it
// into a QTextDocument and back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rtf {

// A colour as 0xRRGGBB, or Automatic (the text's default colour, no highlight).
constexpr uint32_t Automatic = 0xFFFFFFFF;

enum class Alignment : uint8_t { Left, Center, Right, Justify };

struct CharFormat {
    std::string font;   // family name in UTF-8; empty: the editor's default font
    int halfPoints = 0; // size in half points; 0: the editor's default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    uint32_t color = Automatic;
    uint32_t highlight = Automatic;

    bool operator==(const CharFormat&) const = default;
};

struct TextRun {
    CharFormat format;
    std::u16string text; // UTF-16; line breaks inside a paragraph are U+2028, tabs are U+0009
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    CharFormat mark; // the format of the paragraph mark: what an empty paragraph is typed in
    std::vector<TextRun> runs;
};

struct RichText {
    std::vector<Paragraph> paragraphs;
};

} // namespace rtf
