#include "app/Application.h"

#include "widgets/Dialogs.h"

namespace {

QString& Title()
{
    static QString title;
    return title;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return false;
}

QString ApplicationTitle()
{
    return Title();
}

void SetApplicationTitle(const QString& title)
{
    Title() = title;
}

void ShowException(const std::exception& error)
{
    widgets::ShowError(QApplication::activeWindow(), QString::fromLocal8Bit(error.what()),
                        ApplicationTitle());
}
