// The formatting commands of the day's body, on the selection (or the typing format at the
// caret when nothing is selected): bold, italic and underline toggles, one point larger or
// smaller, paragraph alignment, text colour, and the typing format an empty body starts with.
#pragma once

#include <QColor>

class QTextEdit;

namespace widgets::editor {

enum class StyleToggle { Bold, Italic, Underline };

// Adds the style when the selection lacks it, removes it otherwise.
void ToggleStyle(QTextEdit& edit, StyleToggle style);
// One point larger, without limit.
void GrowFont(QTextEdit& edit);
// One point smaller, but nothing below 4 points (3 points is the smallest reached).
void ShrinkFont(QTextEdit& edit);
void SetAlignment(QTextEdit& edit, Qt::Alignment alignment);
void SetTextColour(QTextEdit& edit, const QColor& colour);
// The size of the selection's format in points (the document's font size when it sets none).
double SelectionPointSize(const QTextEdit& edit);

// Only on an empty body: typing starts plain, black, 10 points and left-aligned; the font name
// is kept.
void ResetTypingAttributes(QTextEdit& edit);

// The nine colours of the colour menu, in its order ("Teal" is bright green).
struct MenuColour {
    const char* Caption;
    QColor Colour;
};
extern const MenuColour MenuColours[9];

} // namespace widgets::editor
