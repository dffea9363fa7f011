// The program's own small pictures (button glyphs, the popup arrow), looked up by resource
// name, and the colour-key transparency the buttons draw them with.
#pragma once

#include <QImage>
#include <QString>

namespace widgets::controls {

// The picture of a named resource ("LBOK", "LBARROW", ...); a null image when there is none.
// On a screen scaled by more than one it has twice the pixels (device pixel ratio 2), so its
// size in pixels of the window is deviceIndependentSize().
QImage ResourceBitmap(const QString& name);

// The picture of a resource path (":/<prefix>/<name>.png"); on a screen scaled by more than one,
// its sharp copy "<name>@2x.png" when there is one, with device pixel ratio 2.
QImage SharpPicture(const QString& path);

// A copy in which every pixel of the colour of the bottom-left pixel is transparent.
QImage WithBottomLeftTransparent(const QImage& image);

} // namespace widgets::controls
