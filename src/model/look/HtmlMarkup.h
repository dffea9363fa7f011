// The small mark-up language of the mini-HTML caption panel, free of any toolkit: preparing the
// caption lines, parsing them into runs of uniform attributes, and laying the measured runs out
// in word-wrapped lines that share one baseline each. Text is UTF-8.
#pragma once

#include "model/look/Colors.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model::look {

// Bits of MarkupElement::FontStyle.
enum FontStyleBit : unsigned { Bold = 1, Italic = 2, Underline = 4 };

// One run of text with uniform attributes.
struct MarkupElement {
    int FontSize = 12;
    std::string Text;
    std::string FontName = "arial";
    unsigned FontStyle = 0; // FontStyleBit flags
    RgbColor FontColor = Black;
    int Ascent = 0;         // measured after parsing
    int Height = 0;
    std::string BreakText;  // layout scratch: the part placed on the current line
    std::string Remainder;  // layout scratch: the part left for the following lines
    bool BreakLine = false; // a line break comes before this run
};

// An ordered list of runs: the parsed caption, and the stack of saved attributes.
class MarkupElementStack {
public:
    void Push(MarkupElement element) { items_.push_back(std::move(element)); }
    std::optional<MarkupElement> Pop();
    void Clear() { items_.clear(); }

    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    MarkupElement& operator[](std::size_t i) { return items_[i]; }
    const MarkupElement& operator[](std::size_t i) const { return items_[i]; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<MarkupElement> items_;
};

// The whole mark-up of a caption: the base font as an opening font tag, the lines each ended by
// a line break (UseCRLF) or a blank, and the closing tag.
std::string PrepareMarkup(const std::vector<std::string>& lines, std::string_view face, int size, RgbColor color,
                          bool useCRLF);

// The attributes a parse starts with.
struct MarkupFont {
    std::string Face = "arial";
    int Size = 12;
    RgbColor Color = Black;
};

// The runs of a mark-up text, in order; the text after the last tag is always the last run.
// The caption's own font is passed as `initial`, so that a stray closing tag falls back to it.
MarkupElementStack ParseMarkup(std::string_view markup, const MarkupFont& initial = {});

// A colour attribute value: "#RRGGBB" or a colour name. Nothing when it cannot be read.
std::optional<RgbColor> ParseMarkupColor(std::string_view value);

// One piece of text to draw, its top-left corner at (X, Y).
struct MarkupRun {
    std::size_t Element;
    std::string Text;
    int X;
    int Y;
};

using MarkupTextWidth = std::function<int(const MarkupElement&, std::string_view)>;

// Lays the measured runs out from (margin, margin), lines up to `width` wide, breaking at
// blanks; the blank at a break stays at the end of the upper line. A run that fits on no line
// is placed alone on a line of its own, so the layout always ends.
std::vector<MarkupRun> LayoutMarkup(MarkupElementStack& elements, int width, int margin,
                                     const MarkupTextWidth& textWidth);

} // namespace model::look
