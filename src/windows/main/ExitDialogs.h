// The questions of the program's end (model/session/ExitSave.h) asked through the dialogs of
// the services, with the window's texts, over the window that is closing.
#pragma once

#include "model/session/ExitSave.h"

class QWidget;

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::main {

class ExitDialogs : public model::session::ExitQuestions {
public:
    ExitDialogs(QWidget* parent, widgets::services::Services& services) : parent_(parent), services_(services)
    {
    }

    bool DropChanges() override;
    model::session::AfterFailedSave AskAfterFailedSave(const std::string& reason) override;
    std::optional<std::string> AskCopyFile(const std::string& suggested) override;
    void TellCopyFailed(const std::string& reason) override;

private:
    QWidget* parent_;
    widgets::services::Services& services_;
};

} // namespace windows::main
