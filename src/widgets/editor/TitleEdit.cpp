#include "widgets/editor/TitleEdit.h"

#include "platform/locale/DiaryCodePage.h"
#include "platform/locale/QtText.h"

#include <QKeyEvent>
#include <QToolTip>
#include <QValidator>

using platform::locale::DiaryCodePage;
using platform::locale::ToDiaryText;

namespace widgets::editor {

namespace {

constexpr int MaxTitleLength = 100;

// Accepts exactly the texts TitleRefusal has nothing against.
class TitleValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        return TitleRefusal(input).isEmpty() ? Acceptable : Invalid;
    }
};

} // namespace

QString TitleRefusal(const QString& text)
{
    if (text.contains(QStringLiteral("@@")))
        return QObject::tr("A title cannot hold \"@@\": the diary uses it to separate the title from the entry.");
    if (!ToDiaryText(text)) {
        QString refused;
        for (const QChar c : text)
            if (!ToDiaryText(QString(c)) && !c.isSurrogate())
                refused += c;
        if (refused.isEmpty())
            refused = text;
        return QObject::tr(
                   "\"%1\" cannot be kept in a diary: the diary's code page (%2) has no such character.")
            .arg(refused)
            .arg(DiaryCodePage());
    }
    return {};
}

TitleEdit::TitleEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(MaxTitleLength);
    setValidator(new TitleValidator(this));
    connect(this, &QLineEdit::inputRejected, this, &TitleEdit::TellRefusal);
}

void TitleEdit::TellRefusal()
{
    // What the text would have become is not known here; name the likeliest cause first.
    const QString typed = text();
    QString reason = TitleRefusal(typed);
    if (reason.isEmpty())
        reason = lastRefusal_;
    if (reason.isEmpty())
        return;
    lastRefusal_ = reason;
    QToolTip::showText(mapToGlobal(QPoint(0, height())), lastRefusal_, this);
}

void TitleEdit::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        focusNextChild();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].unicode() >= 32 && !(event->modifiers() & Qt::ControlModifier)) {
        QString after = text();
        const int from = hasSelectedText() ? selectionStart() : cursorPosition();
        const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
        after.replace(from, length, typed);
        if (const QString reason = TitleRefusal(after); !reason.isEmpty()) {
            lastRefusal_ = reason;
            QToolTip::showText(mapToGlobal(QPoint(0, height())), lastRefusal_, this);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace widgets::editor
