// The browse window's button glyphs (BRPREV, BRNEXT, BRGOTO, BRSEARCH, BRCLOSE), drawn at
// build time into the program's resources.
#pragma once

#include <QImage>

namespace windows::browse {

QImage BrowseGlyph(const char* name);

} // namespace windows::browse
