#include "windows/keeper/NotesEdit.h"

#include "platform/locale/QtText.h"

#include <algorithm>

using platform::locale::FromDiaryText;
using platform::locale::ToDiaryText;

namespace windows::keeper {

namespace {

QString Stored(const QString& text)
{
    QString stored = text;
    return stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

NotesEdit::NotesEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &NotesEdit::OnTextChanged);
}

std::string NotesEdit::Notes() const
{
    return ToDiaryText(Stored(toPlainText())).value_or(std::string());
}

void NotesEdit::SetNotes(const std::string& notes)
{
    QString text = FromDiaryText(notes);
    accepted_ = text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(accepted_);
}

// Typing or pasting that the code page cannot take, or that makes the text longer than allowed,
// is undone (notes stored longer already may still be shortened).
void NotesEdit::OnTextChanged()
{
    const QString text = toPlainText();
    if (text == accepted_)
        return;
    const qsizetype limit = std::max<qsizetype>(MaxLength, Stored(accepted_).size());
    if (!ToDiaryText(text) || Stored(text).size() > limit) {
        const int caret = std::min(textCursor().position(), static_cast<int>(accepted_.size()));
        const QString previous = accepted_;
        setPlainText(previous);
        QTextCursor cursor = textCursor();
        cursor.setPosition(caret);
        setTextCursor(cursor);
        return;
    }
    accepted_ = text;
}

} // namespace windows::keeper
