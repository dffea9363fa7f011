// Printing the day's body: the whole document, page after page, into the page rectangle the
// diary has always used (60 device pixels in from the printable left edge and 100 down, the
// right and bottom edges at the page size less twice those margins).
#pragma once

#include <QRect>

class QPrinter;
class QTextDocument;

namespace widgets::editor {

// The rectangle, in device pixels of the printable area, for a page of physical offsets
// (x, y) and physical size (width, height).
QRect BodyPageRect(int offsetX, int offsetY, int width, int height);

// Prints the document on the printer; false when the printer could not be started.
bool PrintDocument(const QTextDocument& document, QPrinter& printer);

} // namespace widgets::editor
