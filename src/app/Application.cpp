#include "app/Application.h"

#include "widgets/Services.h"

#include <cstdio>

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

void TApplication::ShowException(const std::exception& error) const
{
    if (services_ == nullptr) {
        std::fprintf(stderr, "daybrook: %s\n", error.what());
        return;
    }
    services_->Dialogs().ShowError(QApplication::activeWindow(), QString::fromLocal8Bit(error.what()),
                                   services_->Title());
}
