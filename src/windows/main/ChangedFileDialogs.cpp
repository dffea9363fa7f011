#include "windows/main/ChangedFileDialogs.h"

#include "model/session/MergeMessage.h"
#include "platform/locale/Locale.h"
#include "platform/locale/QtText.h"
#include "widgets/services/Services.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using formats::diary::DayDate;
using model::session::MergeMessage;
using model::session::MergeNews;
using platform::locale::FormatShortDate;
using platform::locale::ToDiaryText;
using platform::locale::TrimmedControls;

namespace windows::main {

std::optional<std::string> ChangedFileDialogs::OtherPassword(const std::string& file)
{
    const QString name = QFileInfo(QFile::decodeName(file.c_str())).fileName();
    const auto typed = services_.Dialogs().InputBox(
        parent_, QStringLiteral("Password"),
        QCoreApplication::translate("MainWindow",
                                    "%1 was changed elsewhere with another password. Type in that password to "
                                    "merge it (Cancel keeps this window's diary and sets that copy aside):")
            .arg(name),
        QString());
    if (!typed)
        return std::nullopt;
    return ToDiaryText(TrimmedControls(*typed)).value_or(std::string());
}

void ChangedFileDialogs::TellMerged(const MergeNews& news)
{
    const auto dateText = [](const DayDate& date) {
        return FormatShortDate(date.Year, date.Month, date.Day).toStdString();
    };
    services_.Dialogs().ShowMessage(parent_, QString::fromStdString(MergeMessage(news, dateText)), services_.Title());
}

void ChangedFileDialogs::TellNotMerged(const std::string& text)
{
    services_.Dialogs().ShowWarning(parent_, QString::fromLocal8Bit(text.c_str()), services_.Title());
}

} // namespace windows::main
