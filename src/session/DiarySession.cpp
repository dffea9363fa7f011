#include "session/DiarySession.h"

#include "base/SafeFile.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

TSessionResult Failed(TDiaryResult code, const std::string& file, const std::string& why)
{
    return {code, file + ": " + why};
}

bool Exists(const std::string& file)
{
    std::error_code ignored;
    return fs::exists(file, ignored);
}

// Renames when the source exists; the reason when that fails.
std::optional<std::string> RenameIfPresent(const std::string& from, const std::string& to)
{
    if (!Exists(from))
        return std::nullopt;
    std::error_code error;
    fs::rename(from, to, error);
    if (error)
        return from + ": " + error.message();
    return std::nullopt;
}

// The records of a readable plain diary file; nothing for a sealed, damaged or missing one.
std::optional<TLines> PlainRecordsOf(const std::string& file)
{
    std::string image;
    if (safefile::ReadWhole(file, image) != safefile::ReadResult::Done || IsSealedImage(image))
        return std::nullopt;
    std::string password;
    std::string records;
    if (ParseDiaryImage(image, password, records) != drDone)
        return std::nullopt;
    return SplitLines(records);
}

} // namespace

std::string WithTrailingBackslash(const std::string& Folder)
{
    return Folder.ends_with('/') ? Folder : Folder + '/';
}

std::string ReplaceExtension(const std::string& Name, std::string_view Ext)
{
    if (Name.size() <= 2)
        return Name;
    return Name.substr(0, Name.size() - 3) + std::string(Ext.substr(0, 3));
}

std::string TrimControls(std::string_view text)
{
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return std::string(text.substr(first, last - first));
}

TSessionResult WriteDiaryCopy(const std::string& file, const TLines& lines, const TDiaryLock& lock)
{
    if (const auto failure = safefile::WriteWhole(file, MakeDiaryFileImage(lines, lock)))
        return Failed(drWriteFailed, file, *failure);
    return {};
}

TDiarySession::TDiarySession(const std::string& folder, TCompareText compare)
    : Diary(compare), folder_(WithTrailingBackslash(folder))
{
}

TDiarySession::~TDiarySession()
{
    WipeBytes(Password);
}

std::string TDiarySession::DiaryPath(const std::string& name) const
{
    return folder_ + name + ".dry";
}

TOpenOutcome TDiarySession::Open(const std::string& name, const std::string& password)
{
    DiaryFile = DiaryPath(name);
    BackupFile = ReplaceExtension(DiaryFile, "bkd");
    Password = password;
    Diary.NewDiary = false;
    Diary.Dirty = false;
    TLines lines;
    TDiaryLock found;
    TOpenOutcome outcome = TOpenOutcome::Opened;
    switch (LoadDiaryFile(DiaryFile, lines, Password, found)) {
    case drDone:
        break;
    case drWrongPassword:
        outcome = TOpenOutcome::WrongPassword;
        break;
    default:
        switch (LoadDiaryFile(BackupFile, lines, Password, found)) {
        case drDone:
            outcome = TOpenOutcome::RestoredFromBackup;
            break;
        case drWrongPassword:
            outcome = TOpenOutcome::BackupWrongPassword;
            break;
        default:
            outcome = TOpenOutcome::Corrupted;
        }
    }
    const bool opened = outcome == TOpenOutcome::Opened || outcome == TOpenOutcome::RestoredFromBackup;
    format_ = found.Format;
    key_ = found.Key;
    Diary.DiaryText.SetSorted(false);
    Diary.DiaryText.SetLines(opened ? std::move(lines) : TLines{});
    return outcome;
}

void TDiarySession::Create(const std::string& name, const std::string& password, TDiaryFormat format)
{
    DiaryFile = DiaryPath(name);
    BackupFile = ReplaceExtension(DiaryFile, "pkd");
    Password = password;
    format_ = format;
    key_ = format == dfSealed ? TSealKey::Derive(Password, SealingKdf) : nullptr;
    Diary.NewDiary = true;
    Diary.Dirty = false;
    Diary.DiaryText.SetSorted(false);
    Diary.DiaryText.Clear();
}

void TDiarySession::SetFormat(TDiaryFormat format)
{
    if (format == format_)
        return;
    format_ = format;
    key_ = format == dfSealed ? TSealKey::Derive(Password, SealingKdf) : nullptr;
    Diary.Dirty = true;
}

TDiaryLock TDiarySession::Lock()
{
    if (format_ == dfPlain)
        return PlainLock(Password);
    if (!key_ || !key_->DerivedFrom(Password))
        key_ = TSealKey::Derive(Password, SealingKdf);
    return {dfSealed, {}, key_};
}

TSessionResult TDiarySession::SaveAtExit()
{
    if (!Diary.Dirty || DiaryFile.empty())
        return {};
    const TDiaryLock lock = Lock();
    const std::string fresh = DiaryFile + ".new";
    if (TSessionResult written = WriteDiaryCopy(fresh, Diary.DiaryText.Lines(), lock); !written.Ok())
        return written;
    if (TSessionResult rotated = RotateBackup(lock); !rotated.Ok())
        return rotated;
    if (const auto failure = RenameIfPresent(fresh, DiaryFile))
        return {drWriteFailed, *failure};
    Diary.Dirty = false;
    return {};
}

TSessionResult TDiarySession::RotateBackup(const TDiaryLock& lock)
{
    if (lock.Format == dfSealed)
        if (const auto previous = PlainRecordsOf(DiaryFile)) {
            // The plain file is replaced by the fresh one next; its content stays only sealed.
            if (const auto failure = safefile::WriteWhole(BackupFile, MakeSealedImage(*previous, *lock.Key)))
                return Failed(drWriteFailed, BackupFile, *failure);
            return {};
        }
    std::error_code error;
    if (Exists(BackupFile) && !fs::remove(BackupFile, error))
        return Failed(drWriteFailed, BackupFile, error.message());
    if (const auto failure = RenameIfPresent(DiaryFile, BackupFile))
        return {drWriteFailed, *failure};
    return {};
}

TSessionResult TDiarySession::SaveCopy(const std::string& file)
{
    return WriteDiaryCopy(file, Diary.DiaryText.Lines(), Lock());
}

TRestoreOutcome TDiarySession::Restore(const std::string& file)
{
    TLines lines;
    TDiaryLock backupLock; // the diary keeps its own format
    switch (LoadDiaryFile(file, lines, Password, backupLock)) {
    case drDone:
        break;
    case drWrongPassword:
        return TRestoreOutcome::OtherPassword;
    default:
        return TRestoreOutcome::Corrupted;
    }
    const bool sorted = Diary.DiaryText.Sorted();
    Diary.DiaryText.SetSorted(false);
    Diary.DiaryText.SetLines(std::move(lines));
    Diary.DiaryText.SetSorted(sorted);
    Diary.Dirty = true;
    return TRestoreOutcome::Restored;
}

TPasswordChange TDiarySession::ChangePassword(const std::string& oldPassword, const std::string& newPassword,
                                              const std::string& confirmation)
{
    if (TrimControls(oldPassword) != TrimControls(Password))
        return TPasswordChange::OldPasswordWrong;
    if (newPassword != confirmation)
        return TPasswordChange::NewPasswordsDiffer;
    Password = newPassword;
    if (format_ == dfSealed)
        key_ = TSealKey::Derive(Password, SealingKdf);
    Diary.Dirty = true;
    return TPasswordChange::Changed;
}

std::string TDiarySession::RecoveryFile() const
{
    return ReplaceExtension(DiaryFile, "rcv");
}

std::optional<TLines> TDiarySession::ReadRecovery(std::string& problem) const
{
    const std::string file = RecoveryFile();
    if (DiaryFile.empty() || !Exists(file))
        return std::nullopt;
    TLines lines;
    TDiaryLock recoveryLock;
    const TDiaryResult result = LoadDiaryFile(file, lines, Password, recoveryLock);
    if (result == drDone)
        return lines;
    problem = result == drWrongPassword ? "it was written with another password"
                                        : "it cannot be read or is damaged";
    return std::nullopt;
}

void TDiarySession::AcceptRecovery(TLines lines)
{
    const bool sorted = Diary.DiaryText.Sorted();
    Diary.DiaryText.SetSorted(false);
    Diary.DiaryText.SetLines(std::move(lines));
    Diary.DiaryText.SetSorted(sorted);
    Diary.NewDiary = false;
    Diary.Dirty = true;
}

TSessionResult TDiarySession::SetRecoveryAside(const std::string& stamp) const
{
    const std::string file = RecoveryFile();
    const std::string aside = file.substr(0, file.size() - 4) + "-" + stamp + ".rcv";
    if (const auto failure = RenameIfPresent(file, aside))
        return {drWriteFailed, *failure};
    return {};
}

void TDiarySession::RemoveRecovery() const
{
    std::error_code ignored;
    if (!DiaryFile.empty())
        fs::remove(RecoveryFile(), ignored);
}
