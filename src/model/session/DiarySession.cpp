#include "model/session/DiarySession.h"

#include "base/io/SafeFile.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

SessionResult WriteFailed(const std::string& why)
{
    return {result::Reason::WriteFailed, why};
}

SessionResult Failed(const std::string& file, const std::string& why)
{
    return WriteFailed(file + ": " + why);
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
std::optional<LineList> PlainRecordsOf(const std::string& file)
{
    const auto image = safefile::ReadWhole(file);
    if (!image || IsSealedImage(*image))
        return std::nullopt;
    const auto content = ParseDiaryImage(*image);
    if (!content)
        return std::nullopt;
    return SplitLines(content->Records);
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

SessionResult WriteDiaryCopy(const std::string& file, const LineList& lines, const DiaryLock& lock)
{
    if (const result::Status written = safefile::WriteWhole(file, MakeDiaryFileImage(lines, lock)); !written)
        return Failed(file, written.Message());
    return {};
}

DiarySession::DiarySession(const std::string& folder, TextComparer compare)
    : Diary(compare), folder_(WithTrailingBackslash(folder))
{
}

DiarySession::~DiarySession()
{
    WipeBytes(Password);
}

std::string DiarySession::DiaryPath(const std::string& name) const
{
    return folder_ + name + ".dry";
}

OpenOutcome DiarySession::Open(const std::string& name, const std::string& password)
{
    DiaryFile = DiaryPath(name);
    BackupFile = ReplaceExtension(DiaryFile, "bkd");
    Password = password;
    Diary.NewDiary = false;
    Diary.Dirty = false;
    auto loaded = LoadDiaryFile(DiaryFile, Password);
    OpenOutcome outcome = OpenOutcome::Opened;
    if (!loaded && loaded.Code() == result::Reason::WrongPassword) {
        outcome = OpenOutcome::WrongPassword;
    } else if (!loaded) {
        loaded = LoadDiaryFile(BackupFile, Password);
        outcome = loaded                                              ? OpenOutcome::RestoredFromBackup
                  : loaded.Code() == result::Reason::WrongPassword ? OpenOutcome::BackupWrongPassword
                                                                    : OpenOutcome::Corrupted;
    }
    const DiaryLock found = loaded ? loaded->Lock : DiaryLock{};
    format_ = found.Format;
    key_ = found.Key;
    Diary.Text.SetSorted(false);
    Diary.Text.SetLines(loaded ? std::move(loaded->Lines) : LineList{});
    return outcome;
}

void DiarySession::Create(const std::string& name, const std::string& password, DiaryFormat format)
{
    DiaryFile = DiaryPath(name);
    BackupFile = ReplaceExtension(DiaryFile, "pkd");
    Password = password;
    format_ = format;
    key_ = format == DiaryFormat::Sealed ? SealKey::Derive(Password, SealingKdf) : nullptr;
    Diary.NewDiary = true;
    Diary.Dirty = false;
    Diary.Text.SetSorted(false);
    Diary.Text.Clear();
}

void DiarySession::SetFormat(DiaryFormat format)
{
    if (format == format_)
        return;
    format_ = format;
    key_ = format == DiaryFormat::Sealed ? SealKey::Derive(Password, SealingKdf) : nullptr;
    Diary.Dirty = true;
}

DiaryLock DiarySession::Lock()
{
    if (format_ == DiaryFormat::Plain)
        return PlainLock(Password);
    if (!key_ || !key_->DerivedFrom(Password))
        key_ = SealKey::Derive(Password, SealingKdf);
    return {DiaryFormat::Sealed, {}, key_};
}

SessionResult DiarySession::SaveAtExit()
{
    if (!Diary.Dirty || DiaryFile.empty())
        return {};
    const DiaryLock lock = Lock();
    const std::string fresh = DiaryFile + ".new";
    if (SessionResult written = WriteDiaryCopy(fresh, Diary.Text.Lines(), lock); !written.Ok())
        return written;
    if (SessionResult rotated = RotateBackup(lock); !rotated.Ok())
        return rotated;
    if (const auto failure = RenameIfPresent(fresh, DiaryFile))
        return WriteFailed(*failure);
    Diary.Dirty = false;
    return {};
}

SessionResult DiarySession::RotateBackup(const DiaryLock& lock)
{
    if (lock.Format == DiaryFormat::Sealed)
        if (const auto previous = PlainRecordsOf(DiaryFile)) {
            // The plain file is replaced by the fresh one next; its content stays only sealed.
            if (const result::Status written = safefile::WriteWhole(BackupFile, MakeSealedImage(*previous, *lock.Key)); !written)
                return Failed(BackupFile, written.Message());
            return {};
        }
    std::error_code error;
    if (Exists(BackupFile) && !fs::remove(BackupFile, error))
        return Failed(BackupFile, error.message());
    if (const auto failure = RenameIfPresent(DiaryFile, BackupFile))
        return WriteFailed(*failure);
    return {};
}

SessionResult DiarySession::SaveCopy(const std::string& file)
{
    return WriteDiaryCopy(file, Diary.Text.Lines(), Lock());
}

RestoreOutcome DiarySession::Restore(const std::string& file)
{
    auto backup = LoadDiaryFile(file, Password); // the diary keeps its own format
    if (!backup)
        return backup.Code() == result::Reason::WrongPassword ? RestoreOutcome::OtherPassword
                                                              : RestoreOutcome::Corrupted;
    const bool sorted = Diary.Text.Sorted();
    Diary.Text.SetSorted(false);
    Diary.Text.SetLines(std::move(backup->Lines));
    Diary.Text.SetSorted(sorted);
    Diary.Dirty = true;
    return RestoreOutcome::Restored;
}

PasswordChange DiarySession::ChangePassword(const std::string& oldPassword, const std::string& newPassword,
                                              const std::string& confirmation)
{
    if (TrimControls(oldPassword) != TrimControls(Password))
        return PasswordChange::OldPasswordWrong;
    if (newPassword != confirmation)
        return PasswordChange::NewPasswordsDiffer;
    Password = newPassword;
    if (format_ == DiaryFormat::Sealed)
        key_ = SealKey::Derive(Password, SealingKdf);
    Diary.Dirty = true;
    return PasswordChange::Changed;
}

std::string DiarySession::RecoveryFile() const
{
    return ReplaceExtension(DiaryFile, "rcv");
}

std::optional<LineList> DiarySession::ReadRecovery(std::string& problem) const
{
    const std::string file = RecoveryFile();
    if (DiaryFile.empty() || !Exists(file))
        return std::nullopt;
    auto recovered = LoadDiaryFile(file, Password);
    if (recovered)
        return std::move(recovered->Lines);
    problem = recovered.Code() == result::Reason::WrongPassword ? "it was written with another password"
                                                                : "it cannot be read or is damaged";
    return std::nullopt;
}

void DiarySession::AcceptRecovery(LineList lines)
{
    const bool sorted = Diary.Text.Sorted();
    Diary.Text.SetSorted(false);
    Diary.Text.SetLines(std::move(lines));
    Diary.Text.SetSorted(sorted);
    Diary.NewDiary = false;
    Diary.Dirty = true;
}

SessionResult DiarySession::SetRecoveryAside(const std::string& stamp) const
{
    const std::string file = RecoveryFile();
    const std::string aside = file.substr(0, file.size() - 4) + "-" + stamp + ".rcv";
    if (const auto failure = RenameIfPresent(file, aside))
        return WriteFailed(*failure);
    return {};
}

void DiarySession::RemoveRecovery() const
{
    std::error_code ignored;
    if (!DiaryFile.empty())
        fs::remove(RecoveryFile(), ignored);
}
