// Pictures inside the body's QTextDocument: each is an image whose format carries the body's
// picture, so that it is written back as it was read. The images are decoded when they are
// first drawn, and drawn at their size, scaled down to the width of the text.
#pragma once

#include "formats/rtf/RichText.h"

#include <QTextImageFormat>

#include <memory>

class QTextDocument;

namespace widgets::editor {

// The format of an image showing the picture in the document.
QTextImageFormat PictureFormat(std::shared_ptr<const formats::rtf::Picture> picture);

// The picture an image format shows, or null for any other format.
std::shared_ptr<const formats::rtf::Picture> PictureOf(const QTextFormat& format);

// Lets the document's layout draw its pictures (decoding each when it is first drawn) at their
// size, scaled down to the width of the text.
void DrawPicturesToWidth(QTextDocument& document);

} // namespace widgets::editor
