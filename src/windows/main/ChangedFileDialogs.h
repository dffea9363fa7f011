// What the main window asks and tells when the diary file changed on disk under it
// (model/session/DiarySession.h): the other copy's password, and the one message after a merge.
#pragma once

#include "model/session/DiarySession.h"

#include <QString>

class QWidget;

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::main {

class ChangedFileDialogs : public model::session::ChangedFileQuestions {
public:
    ChangedFileDialogs(QWidget* parent, widgets::services::Services& services) : parent_(parent), services_(services) {}

    std::optional<std::string> OtherPassword(const std::string& file) override;
    void TellMerged(const model::session::MergeNews& news) override;
    void TellNotMerged(const std::string& text) override;

private:
    QWidget* parent_;
    widgets::services::Services& services_;
};

} // namespace windows::main
