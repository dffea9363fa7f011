#include "widgets/dialogs/Dialogs.h"

namespace widgets::dialogs {

void Dialogs::ShowMessage(QWidget* parent, const QString& text, const QString& caption)
{
    MessageBox(parent, text, caption, MsgIcon::Information, MsgButtons::Ok, MsgAnswer::Ok);
}

void Dialogs::ShowError(QWidget* parent, const QString& text, const QString& caption)
{
    MessageBox(parent, text, caption, MsgIcon::Error, MsgButtons::Ok, MsgAnswer::Ok);
}

void Dialogs::ShowWarning(QWidget* parent, const QString& text, const QString& caption)
{
    MessageBox(parent, text, caption, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok);
}

} // namespace widgets::dialogs
