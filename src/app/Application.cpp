#include "app/Application.h"

#include "widgets/services/Services.h"

#include <cstdio>

namespace app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

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
