// The windows' fonts: Arial (Liberation Sans here) at a height in pixels, as the window
// descriptions give them.
#pragma once

#include <QFont>

namespace widgets::controls {

inline QFont ArialPixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace widgets::controls
