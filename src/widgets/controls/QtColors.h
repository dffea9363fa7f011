// Colour values of the windows (0x00BBGGRR, system colours by index) turned into Qt colours,
// and their text alignments into Qt's.
#pragma once

#include "model/look/Colors.h"
#include "widgets/controls/ButtonStyles.h"

#include <QColor>

class QImage;
class QWidget;

namespace widgets::controls {

// The colour a value stands for now; system colours come from the application's palette.
// NoColor and DefaultColor give `fallback`.
QColor ToQColor(model::look::RgbColor color, const QColor& fallback = Qt::transparent);

// A plain RGB value (the alpha channel is dropped).
model::look::RgbColor FromQColor(const QColor& color);

// A plain RGB value of any colour value (system colours looked up, NoColor and DefaultColor as
// `fallback`).
model::look::RgbColor ResolvedColor(model::look::RgbColor color, model::look::RgbColor fallback);

// The colour a widget draws its text in (the font colour of the windows' descriptions).
void SetFontColor(QWidget& widget, const QColor& color);

// The average colour of the image's pixels x1 <= x <= x2, y1 <= y <= y2 (see AverageColour of
// Colors.h); the part of the rectangle outside the image does not count.
model::look::RgbColor AverageColour(const QImage& image, int x1, int y1, int x2, int y2);

Qt::Alignment ToQtAlignment(HorizontalAlignment alignment);

} // namespace widgets::controls
