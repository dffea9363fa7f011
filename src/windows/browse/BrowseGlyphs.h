// The browse window's button glyphs (BRPREV, BRNEXT, BRGOTO, BRSEARCH, BRCLOSE), drawn at
// build time into the program's resources.
#pragma once

#include <QImage>

QImage BrowseGlyph(const char* name);
