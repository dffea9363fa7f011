#include "widgets/editor/Formatting.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace widgets::editor {

const MenuColour MenuColours[9] = {
    {"Black", QColor(0, 0, 0)},     {"Navy", QColor(0, 0, 128)},      {"Maroon", QColor(128, 0, 0)},
    {"Olive", QColor(128, 128, 0)}, {"Green", QColor(0, 128, 0)},     {"Purple", QColor(128, 0, 128)},
    {"Teal", QColor(0, 255, 0)},    {"Red", QColor(255, 0, 0)},       {"Gray", QColor(128, 128, 128)},
};

namespace {

void Merge(QTextEdit& edit, const QTextCharFormat& format)
{
    QTextCursor cursor = edit.textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    edit.mergeCurrentCharFormat(format);
}

void SetPointSize(QTextEdit& edit, double size)
{
    QTextCharFormat format;
    format.setFontPointSize(size);
    Merge(edit, format);
}

} // namespace

void ToggleStyle(QTextEdit& edit, StyleToggle style)
{
    const QTextCharFormat current = edit.currentCharFormat();
    QTextCharFormat format;
    switch (style) {
    case StyleToggle::Bold:
        format.setFontWeight(current.fontWeight() >= QFont::Bold ? QFont::Normal : QFont::Bold);
        break;
    case StyleToggle::Italic:
        format.setFontItalic(!current.fontItalic());
        break;
    case StyleToggle::Underline:
        format.setFontUnderline(!current.fontUnderline());
        break;
    }
    Merge(edit, format);
}

double SelectionPointSize(const QTextEdit& edit)
{
    const double size = edit.currentCharFormat().fontPointSize();
    if (size > 0)
        return size;
    const QFont font = edit.document()->defaultFont();
    return font.pointSizeF() > 0 ? font.pointSizeF() : 10;
}

void GrowFont(QTextEdit& edit)
{
    SetPointSize(edit, SelectionPointSize(edit) + 1);
}

void ShrinkFont(QTextEdit& edit)
{
    const double size = SelectionPointSize(edit);
    if (size < 4)
        return;
    SetPointSize(edit, size - 1);
}

void SetAlignment(QTextEdit& edit, Qt::Alignment alignment)
{
    edit.setAlignment(alignment);
}

void SetTextColour(QTextEdit& edit, const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    Merge(edit, format);
}

void ResetTypingAttributes(QTextEdit& edit)
{
    if (!edit.document()->isEmpty())
        return;
    const bool modified = edit.document()->isModified(); // a typing format is no change
    QTextCharFormat format = edit.currentCharFormat();
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setFontStrikeOut(false);
    format.setForeground(QColor(Qt::black));
    format.setFontPointSize(10);
    edit.setCurrentCharFormat(format);
    edit.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    edit.document()->setModified(modified);
}

} // namespace widgets::editor
