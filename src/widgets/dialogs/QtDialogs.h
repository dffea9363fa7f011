// The dialogs of the running program, made with Qt's standard dialogs.
#pragma once

#include "widgets/dialogs/Dialogs.h"

namespace widgets::dialogs {

class QtDialogs : public Dialogs {
public:
    MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
                          MsgButtons buttons, MsgAnswer defaultButton) override;
    std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& value) override;
    std::optional<QString> OpenFileName(QWidget* parent, const QString& caption, const QString& file,
                                        const QString& filter) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& caption, const QString& file,
                                        const QString& filter) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    int Choose(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
               const QStringList& choices, int defaultChoice) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

} // namespace widgets::dialogs
