#include "windows/selection/OpeningChecks.h"

#include "formats/merge/ConflictCopy.h"
#include "model/session/MergeMessage.h"
#include "platform/files/ListFiles.h"
#include "platform/locale/Locale.h"
#include "platform/locale/QtText.h"
#include "widgets/services/Services.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <tuple>

using base::result::Reason;
using formats::diary::DayDate;
using formats::merge::ConflictCopiesOf;
using model::session::DiarySession;
using model::session::MergeMessage;
using model::session::MergeNews;
using platform::files::ListFiles;
using platform::files::LockHolder;
using platform::files::LockState;
using platform::files::WriterLock;
using platform::locale::FormatShortDate;
using platform::locale::ToDiaryText;
using platform::locale::TrimmedControls;
using widgets::dialogs::MsgAnswer;
using widgets::dialogs::MsgButtons;
using widgets::dialogs::MsgIcon;
using widgets::services::Services;

namespace windows::selection {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("OpenDiaryDialog", text);
}

QString FileNameOf(const std::string& file)
{
    return QFile::decodeName(std::filesystem::path(file).filename().c_str());
}

// "09:14" for a lock of today, else the date too.
QString SinceText(const std::string& since)
{
    const QString text = QString::fromStdString(since);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    return text.startsWith(today) ? text.mid(today.size() + 1) : text;
}

QString HeldText(const std::string& diaryFile, const LockHolder& holder)
{
    return Tr("%1 is open in Daybrook on %2 since %3.")
        .arg(FileNameOf(diaryFile), QString::fromStdString(holder.Host), SinceText(holder.Since));
}

} // namespace

bool TakeWriterLock(QWidget* parent, Services& services, DiarySession& session)
{
    auto lock = std::make_unique<WriterLock>(session.DiaryFile());
    const LockState state = lock->Take();
    if (state == LockState::HeldHere || state == LockState::HeldElsewhere) {
        QStringList choices{Tr("Open &read-only")};
        if (state == LockState::HeldElsewhere)
            choices << Tr("Open &anyway");
        choices << Tr("&Cancel");
        const int cancel = static_cast<int>(choices.size()) - 1;
        const int choice = services.Dialogs().Choose(parent, HeldText(session.DiaryFile(), lock->Holder()),
                                                     services.Title(), MsgIcon::Question, choices, cancel);
        if (choice == cancel)
            return false;
        if (choice == 0) {
            session.SetReadOnly(true);
            return true;
        }
        lock->TakeOver();
    }
    session.KeepLock(std::move(lock));
    return true;
}

void OfferConflictCopies(QWidget* parent, Services& services, DiarySession& session)
{
    if (session.ReadOnly())
        return;
    const auto names = ListFiles(session.DiaryFolder(), "*.dry");
    if (!names)
        return;
    const auto copies = ConflictCopiesOf(*names, std::filesystem::path(session.DiaryFile()).filename().string());
    if (copies.empty())
        return;
    const QString question = copies.size() == 1
                                 ? Tr("Merge the conflicting copy of this diary into it?")
                                 : Tr("Merge the %1 conflicting copies of this diary into it?").arg(copies.size());
    if (services.Dialogs().MessageBox(parent, question, services.Title(), MsgIcon::Question, MsgButtons::YesNo,
                                      MsgAnswer::Yes) != MsgAnswer::Yes)
        return;
    MergeNews all;
    for (const auto& copy : copies) {
        const std::string file = session.DiaryFolder() + copy;
        std::string password = session.Password();
        for (;;) {
            const auto merged = session.MergeCopy(file, password);
            if (merged) {
                all.CameIn.insert(all.CameIn.end(), merged->CameIn.begin(), merged->CameIn.end());
                all.TwoTexts.insert(all.TwoTexts.end(), merged->TwoTexts.begin(), merged->TwoTexts.end());
                break;
            }
            if (merged.Code() != Reason::WrongPassword) {
                services.Dialogs().ShowWarning(parent,
                                               Tr("%1 cannot be read (%2); it is left as it is.")
                                                   .arg(FileNameOf(file), QString::fromLocal8Bit(merged.Message().c_str())),
                                               services.Title());
                break;
            }
            const auto typed = services.Dialogs().InputBox(
                parent, QStringLiteral("Password"),
                Tr("%1 has another password. Type it in to merge it:").arg(FileNameOf(file)), QString());
            if (!typed)
                break;
            password = ToDiaryText(TrimmedControls(*typed)).value_or(std::string());
        }
    }
    const auto earlier = [](const DayDate& a, const DayDate& b) {
        return std::tie(a.Year, a.Month, a.Day) < std::tie(b.Year, b.Month, b.Day);
    };
    for (auto* dates : {&all.CameIn, &all.TwoTexts}) { // a day may come in from several copies
        std::sort(dates->begin(), dates->end(), earlier);
        dates->erase(std::unique(dates->begin(), dates->end()), dates->end());
    }
    const auto dateText = [](const DayDate& date) {
        return FormatShortDate(date.Year, date.Month, date.Day).toStdString();
    };
    if (!all.CameIn.empty())
        services.Dialogs().ShowMessage(parent, QString::fromStdString(MergeMessage(all, dateText)), services.Title());
}

} // namespace windows::selection
