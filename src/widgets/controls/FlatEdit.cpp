#include "widgets/controls/FlatEdit.h"

#include "platform/locale/CharCase.h"
#include "base/text/CodePage.h"
#include "platform/locale/QtText.h"
#include "platform/locale/DiaryCodePage.h"

#include <QKeyEvent>
#include <QToolTip>

using platform::locale::DiaryCodePage;
using platform::locale::FromDiaryText;
using platform::locale::ToDiaryText;
using platform::locale::UpperCase;

namespace widgets::controls {

namespace {

constexpr char32_t KeyEnter = 13;
constexpr char32_t KeyEscape = 27;

// The code-page byte of a character, if it has one.
std::optional<char> DiaryByte(QChar c)
{
    const auto bytes = ToDiaryText(QString(c));
    if (!bytes || bytes->size() != 1)
        return std::nullopt;
    return (*bytes)[0];
}

QString UpperCased(const QString& text)
{
    const auto bytes = ToDiaryText(text);
    return bytes ? FromDiaryText(UpperCase(*bytes)) : text;
}

} // namespace

FlatEdit::FlatEdit(QWidget* parent) : QLineEdit(parent)
{
    colorOnFocus_ = palette().color(QPalette::Base);
    textColorOnFocus_ = palette().color(QPalette::Text);
    connect(this, &QLineEdit::textChanged, this, &FlatEdit::TextChanged);
}

void FlatEdit::SetColorOnFocus(const QColor& color)
{
    colorOnFocus_ = color;
    update();
}

void FlatEdit::SetAcceptChars(std::string chars)
{
    acceptChars_ = std::move(chars);
    update();
}

void FlatEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (entered_)
        return; // the window was active again: the visit goes on
    entered_ = true;
    QPalette colours = palette();
    savedBase_ = colours.color(QPalette::Base);
    savedText_ = colours.color(QPalette::Text);
    textOnEnter_ = text();
    colours.setColor(QPalette::Base, colorOnFocus_);
    colours.setColor(QPalette::Text, textColorOnFocus_);
    setPalette(colours);
    if (OnEnter)
        OnEnter(*this);
}

void FlatEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A message box or another window taking the activation does not end the visit.
    if (!entered_ || event->reason() == Qt::ActiveWindowFocusReason ||
        event->reason() == Qt::PopupFocusReason)
        return;
    entered_ = false;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, savedBase_);
    colours.setColor(QPalette::Text, savedText_);
    setPalette(colours);
    if (OnExit)
        OnExit(*this);
}

bool FlatEdit::Accepted(QChar c) const
{
    if (acceptChars_.empty() || c.unicode() < 32)
        return true;
    const auto byte = DiaryByte(c);
    return byte && acceptChars_.find(*byte) != std::string::npos;
}

void FlatEdit::Refuse(const QString& characters)
{
    lastRefusal_ = tr("\"%1\" cannot be kept in a diary: the diary's code page (%2) has no such character.")
                       .arg(characters)
                       .arg(DiaryCodePage());
    QToolTip::showText(mapToGlobal(QPoint(0, height())), lastRefusal_, this);
}

void FlatEdit::keyPressEvent(QKeyEvent* event)
{
    char32_t key = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = KeyEnter;
    else if (event->key() == Qt::Key_Escape)
        key = KeyEscape;
    else if (event->text().size() == 1)
        key = event->text()[0].unicode();
    if (key == 0 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLineEdit::keyPressEvent(event); // editing keys, shortcuts, surrogate pairs
        return;
    }

    if (key == KeyEnter && Options.EnterAsTab) {
        focusNextChild();
        return;
    }
    if (key == KeyEscape && Options.EscCancels) {
        setText(textOnEnter_);
        return;
    }
    if (key >= 32 && !DiaryByte(QChar(key))) {
        Refuse(event->text());
        return;
    }
    if (!Accepted(QChar(key)))
        return;
    if (Options.UpperCase && key > 32)
        key = UpperCased(QString(QChar(key)))[0].unicode();
    if (OnKeyPress)
        OnKeyPress(*this, key);
    if (key == 0)
        return;
    const QString typed = key >= 32 ? QString(QChar(key)) : event->text();
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat());
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

QString FlatEdit::Cleaned(const QString& text)
{
    QString cleaned, refused;
    for (const QChar c : text) {
        if (c.unicode() >= 32 && !DiaryByte(c))
            refused += c;
        else if (Accepted(c))
            cleaned += c;
    }
    if (!refused.isEmpty())
        Refuse(refused);
    if (Options.UpperCase)
        return UpperCased(cleaned);
    if (Options.FirstUpperCase && !cleaned.isEmpty())
        return UpperCased(cleaned.left(1)) + cleaned.mid(1);
    return cleaned;
}

void FlatEdit::TextChanged()
{
    const QString current = text();
    const QString cleaned = Cleaned(current);
    if (cleaned != current) {
        const int caret = cursorPosition();
        setText(cleaned); // changes again, and that change is reported
        setCursorPosition(caret);
        return;
    }
    if (OnChange)
        OnChange(*this);
}

} // namespace widgets::controls
