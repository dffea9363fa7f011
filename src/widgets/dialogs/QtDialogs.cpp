#include "widgets/dialogs/QtDialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace widgets::dialogs {

namespace {

QMessageBox::StandardButton StandardButton(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons StandardButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon StandardIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString Displayed(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::optional<QString> Chosen(const QString& path)
{
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

} // namespace

MsgAnswer QtDialogs::MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
                                 MsgButtons buttons, MsgAnswer defaultButton)
{
    QMessageBox box(StandardIcon(icon), caption, Displayed(text), StandardButtons(buttons), parent);
    box.setDefaultButton(StandardButton(defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    default:
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

std::optional<QString> QtDialogs::InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& value)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, caption, Displayed(prompt), QLineEdit::Normal, value, &ok);
    return ok ? std::optional(text) : std::nullopt;
}

std::optional<QString> QtDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& file,
                                               const QString& filter)
{
    return Chosen(QFileDialog::getOpenFileName(parent, caption, file, filter));
}

std::optional<QString> QtDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& file,
                                               const QString& filter)
{
    return Chosen(QFileDialog::getSaveFileName(parent, caption, file, filter));
}

std::optional<QFont> QtDialogs::ChooseFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional(font) : std::nullopt;
}

int QtDialogs::Choose(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
                      const QStringList& choices, int defaultChoice)
{
    QMessageBox box(StandardIcon(icon), caption, Displayed(text), QMessageBox::NoButton, parent);
    QList<QPushButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::ActionRole));
    if (defaultChoice >= 0 && defaultChoice < buttons.size()) {
        box.setDefaultButton(buttons[defaultChoice]);
        box.setEscapeButton(buttons[defaultChoice]);
    }
    box.exec();
    const int chosen = static_cast<int>(buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return chosen >= 0 ? chosen : defaultChoice;
}

bool QtDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace widgets::dialogs
