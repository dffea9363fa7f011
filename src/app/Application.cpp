#include "app/Application.h"

#include "widgets/services/Services.h"

#include <QIcon>

#include <cstdio>

// Q_INIT_RESOURCE declares its function in the global namespace, so it is called from there.
static void InitIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace app {

namespace {

constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The icon theme's icon when the desktop has one installed, else the program's own pictures.
QIcon ApplicationIcon()
{
    InitIconResources();
    QIcon own;
    for (const int size : IconSizes)
        own.addFile(QStringLiteral(":/icons/daybrook-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("org.daybrook.Daybrook"), own);
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // Docks and task switchers match the windows to the menu entry (and its icon) by these.
    setApplicationName(QStringLiteral("daybrook"));
    setDesktopFileName(QStringLiteral("org.daybrook.Daybrook"));
    setWindowIcon(ApplicationIcon());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return false;
}

void Application::ShowException(const std::exception& error) const
{
    if (services_ == nullptr) {
        std::fprintf(stderr, "daybrook: %s\n", error.what());
        return;
    }
    services_->Dialogs().ShowError(QApplication::activeWindow(), QString::fromLocal8Bit(error.what()),
                                   services_->Title());
}

} // namespace app
