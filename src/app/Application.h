// The application object: its title, and the handler that shows an error box for any
// exception reaching the event loop and lets the program go on.
#pragma once

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The application's title, the caption of its plain message boxes.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Shows the text of an exception that no handler caught, in an error box.
void ShowException(const std::exception& error);
