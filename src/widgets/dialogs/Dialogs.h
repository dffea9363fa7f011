// The standard dialogs the program asks the user through: message boxes, input boxes, and the
// open-file, save-file and font dialogs. Windows ask the dialogs of the services they were
// handed (widgets/Services.h): the program's are the Qt dialogs, tests script theirs.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace widgets::dialogs {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Text and caption are shown exactly; a "\r\n" in the text is a line break.
    virtual MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
                                  MsgButtons buttons, MsgAnswer defaultButton) = 0;
    // The text typed, or nothing when cancelled.
    virtual std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& value) = 0;
    // filter: "Diary backups (*.bkd);;All files (*)"; the chosen path, or nothing when cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& caption, const QString& file,
                                                const QString& filter) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& caption, const QString& file,
                                                const QString& filter) = 0;
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
    // A question answered by one of the choices (button captions, "&" marks the accelerator);
    // the index chosen. Escape and the close box give the default choice.
    virtual int Choose(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
                       const QStringList& choices, int defaultChoice) = 0;
    // The print dialog (a printer or a PDF file); false when cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;

    // A plain information box with an OK button.
    void ShowMessage(QWidget* parent, const QString& text, const QString& caption);
    // An error box with an OK button.
    void ShowError(QWidget* parent, const QString& text, const QString& caption);
    // A warning box with an OK button.
    void ShowWarning(QWidget* parent, const QString& text, const QString& caption);
};

} // namespace widgets::dialogs
