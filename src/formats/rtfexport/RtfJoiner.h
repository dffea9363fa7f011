// Joins RTF documents into one: the font and colour tables of each are merged into the joined
// document's and its references to them renumbered; everything else is copied as it stands,
// so formatting, tables, pictures, \'hh bytes in each font's code page and \uN characters keep
// their meaning. Each document becomes one group of the joined document, ending in a
// paragraph end, so that the next one starts on a paragraph of its own.
#pragma once

#include "formats/rtf/RichText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace formats::rtfexport {

// A font as the joined document's font table declares it.
struct JoinedFont {
    std::string Family = "fnil"; // the family control word
    int Charset = 0;
    int Pitch = -1;   // \fprqN, -1 for none
    std::string Name; // bytes in the font's code page

    std::string Key() const;
};

class RtfJoiner {
public:
    // codePage: the joined document's ANSI code page, which is also that of the documents that
    // name none and of plain text. defaults: font 0 of the joined document (given to text
    // that names no font) and the font and size of plain text.
    RtfJoiner(int codePage, const formats::rtf::CharFormat& defaults);

    // Appends a document; text that is not RTF is taken as plain text.
    void Append(std::string_view document);

    // The joined document.
    std::string Document() const;

private:
    friend class DocumentCopy;

    // The index of the font in the joined font table, added when new.
    int Font(const JoinedFont& font);
    // The index of the colour (0xRRGGBB) in the joined colour table; rtf::Automatic is 0.
    int Color(uint32_t color);

    int codePage_;
    formats::rtf::CharFormat defaults_;
    std::vector<JoinedFont> fonts_;
    std::unordered_map<std::string, int> fontIndex_;
    std::vector<uint32_t> colors_;
    std::unordered_map<uint32_t, int> colorIndex_;
    std::string body_;
};

} // namespace formats::rtfexport
