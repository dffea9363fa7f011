#include "widgets/QtDialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace widgets {

namespace {

QMessageBox::StandardButton StandardButton(TMsgAnswer answer)
{
    switch (answer) {
    case TMsgAnswer::Ok:
        return QMessageBox::Ok;
    case TMsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case TMsgAnswer::Yes:
        return QMessageBox::Yes;
    case TMsgAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons StandardButtons(TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok:
        return QMessageBox::Ok;
    case TMsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case TMsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case TMsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon StandardIcon(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::None:
        return QMessageBox::NoIcon;
    case TMsgIcon::Information:
        return QMessageBox::Information;
    case TMsgIcon::Warning:
        return QMessageBox::Warning;
    case TMsgIcon::Error:
        return QMessageBox::Critical;
    case TMsgIcon::Question:
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

TMsgAnswer QtDialogs::MessageBox(QWidget* parent, const QString& text, const QString& caption, TMsgIcon icon,
                                 TMsgButtons buttons, TMsgAnswer defaultButton)
{
    QMessageBox box(StandardIcon(icon), caption, Displayed(text), StandardButtons(buttons), parent);
    box.setDefaultButton(StandardButton(defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TMsgAnswer::Yes;
    case QMessageBox::No:
        return TMsgAnswer::No;
    case QMessageBox::Ok:
        return TMsgAnswer::Ok;
    default:
        return buttons == TMsgButtons::YesNo ? TMsgAnswer::No : TMsgAnswer::Cancel;
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

int QtDialogs::Choose(QWidget* parent, const QString& text, const QString& caption, TMsgIcon icon,
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

} // namespace widgets
