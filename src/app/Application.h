// The application object: its name, desktop entry and icon, and the handler that shows an error
// box for any exception reaching the event loop and lets the program go on.
#pragma once

#include <QApplication>

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace app {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    // The services whose dialogs and title show uncaught exceptions (none: standard error).
    void SetServices(widgets::services::Services* services) { services_ = services; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void ShowException(const std::exception& error) const;

    widgets::services::Services* services_ = nullptr;
};

} // namespace app
