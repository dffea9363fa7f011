#include "widgets/Dialogs.h"

namespace widgets {

void Dialogs::ShowMessage(QWidget* parent, const QString& text, const QString& caption)
{
    MessageBox(parent, text, caption, TMsgIcon::Information, TMsgButtons::Ok, TMsgAnswer::Ok);
}

void Dialogs::ShowError(QWidget* parent, const QString& text, const QString& caption)
{
    MessageBox(parent, text, caption, TMsgIcon::Error, TMsgButtons::Ok, TMsgAnswer::Ok);
}

void Dialogs::ShowWarning(QWidget* parent, const QString& text, const QString& caption)
{
    MessageBox(parent, text, caption, TMsgIcon::Warning, TMsgButtons::Ok, TMsgAnswer::Ok);
}

} // namespace widgets
