#include "widgets/Dialogs.h"

#include "widgets/QtDialogs.h"

#include <utility>

namespace widgets {

namespace {

Dialogs* installed = nullptr;

} // namespace

Dialogs& CurrentDialogs()
{
    static QtDialogs qtDialogs;
    return installed != nullptr ? *installed : qtDialogs;
}

Dialogs* SetDialogs(Dialogs* dialogs)
{
    return std::exchange(installed, dialogs);
}

void ShowMessage(QWidget* parent, const QString& text, const QString& caption)
{
    CurrentDialogs().MessageBox(parent, text, caption, TMsgIcon::Information, TMsgButtons::Ok,
                                TMsgAnswer::Ok);
}

void ShowError(QWidget* parent, const QString& text, const QString& caption)
{
    CurrentDialogs().MessageBox(parent, text, caption, TMsgIcon::Error, TMsgButtons::Ok, TMsgAnswer::Ok);
}

} // namespace widgets
