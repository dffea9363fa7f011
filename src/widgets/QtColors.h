// Colour values of the windows (0x00BBGGRR, system colours by index) turned into Qt colours.
#pragma once

#include "widgets/Colors.h"

#include <QColor>

namespace widgets {

// The colour a value stands for now; system colours come from the application's palette.
// clNone and clDefault give `fallback`.
QColor ToQColor(TColor color, const QColor& fallback = Qt::transparent);

// A plain RGB value (the alpha channel is dropped).
TColor FromQColor(const QColor& color);

// A plain RGB value of any colour value (system colours looked up, clNone and clDefault as
// `fallback`).
TColor ResolvedColor(TColor color, TColor fallback);

} // namespace widgets
