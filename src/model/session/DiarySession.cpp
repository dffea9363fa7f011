#include "model/session/DiarySession.h"

#include "base/io/SafeFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

using base::dates::Date;
using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using base::result::Status;
using base::text::LineList;
using base::text::SplitLines;
using formats::diary::DiaryFormat;
using formats::diary::DiaryLock;
using formats::diary::DiaryRecords;
using formats::diary::IsSealedImage;
using formats::diary::LoadDiaryFile;
using formats::diary::MakeDiaryFileImage;
using formats::diary::MakeSealedImage;
using formats::diary::ParseDiaryImage;
using formats::diary::PlainLock;
using formats::diary::SealKey;
using formats::diary::TextComparer;
using formats::diary::WipeBytes;

namespace model::session {

namespace fs = std::filesystem;

using base::result::Fail;
using base::result::Reason;
using base::result::Status;

namespace {

const char* const WrongPasswordText = "Password is incorrect!";
const char* const CorruptedText = "This diary file is corrupted";
const char* const RestoredText = "Original diary is corrupted and\r\nrestored from backup";
const char* const OtherPasswordText = "This diary has a different password\r\nyou must change your current password";
const char* const PasswordsDifferText = "Passwords do not match!";

Status WriteFailed(const std::string& file, const std::string& why)
{
    return Fail(Reason::WriteFailed, file + ": " + why);
}

bool Exists(const std::string& file)
{
    std::error_code ignored;
    return fs::exists(file, ignored);
}

// Renames when the source exists; the reason when that fails.
Status RenameIfPresent(const std::string& from, const std::string& to)
{
    if (!Exists(from))
        return {};
    std::error_code error;
    fs::rename(from, to, error);
    if (error)
        return WriteFailed(from, error.message());
    return {};
}

// Reads a diary file of either format into lines: the lock it was written with, or why not
// (Missing, WrongPassword or Damaged), naming the file.
Result<DiaryLock> LoadRecords(const std::string& file, LineList& lines, const std::string& password)
{
    auto opened = LoadDiaryFile(file, password);
    if (!opened)
        return Fail(opened.Code(), file + ": " + opened.Message());
    lines = std::move(opened->Lines);
    return opened->Lock;
}

// The records of a readable plain diary file; nothing for a sealed, damaged or missing one.
std::optional<LineList> PlainRecordsOf(const std::string& file)
{
    const auto image = ReadWhole(file);
    if (!image || IsSealedImage(*image))
        return std::nullopt;
    const auto content = ParseDiaryImage(*image);
    if (!content)
        return std::nullopt;
    return SplitLines(content->Records);
}

} // namespace

std::string WithTrailingBackslash(const std::string& folder)
{
    return folder.ends_with('/') ? folder : folder + '/';
}

std::string ReplaceExtension(const std::string& name, std::string_view ext)
{
    if (name.size() <= 2)
        return name;
    return name.substr(0, name.size() - 3) + std::string(ext.substr(0, 3));
}

std::string TrimControls(std::string_view text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return std::string(text.substr(first, last - first));
}

Status WriteDiaryCopy(const std::string& file, const LineList& lines, const DiaryLock& lock)
{
    if (const Status written = WriteWhole(file, MakeDiaryFileImage(lines, lock)); !written)
        return WriteFailed(file, written.Message());
    return {};
}

DiarySession::DiarySession(const std::string& folder, TextComparer compare)
    : Diary(compare), folder_(WithTrailingBackslash(folder))
{
}

DiarySession::~DiarySession()
{
    WipeBytes(password_);
}

void DiarySession::AddListener(DiaryListener& listener)
{
    listeners_.push_back(&listener);
}

void DiarySession::RemoveListener(DiaryListener& listener)
{
    std::erase(listeners_, &listener);
}

void DiarySession::Tell(DiaryChange change)
{
    const std::vector<DiaryListener*> listeners = listeners_; // a listener may leave while told
    for (DiaryListener* listener : listeners)
        listener->DiaryChanged(change);
}

std::string DiarySession::DiaryPath(const std::string& name) const
{
    return folder_ + name + ".dry";
}

Status DiarySession::Open(const std::string& name, const std::string& password, const Notice& notice)
{
    diaryFile_ = DiaryPath(name);
    backupFile_ = ReplaceExtension(diaryFile_, "bkd");
    password_ = password;
    Diary.NewDiary = false;
    Diary.Dirty = false;
    LineList lines;
    auto opened = LoadRecords(diaryFile_, lines, password_);
    Status status;
    if (!opened && opened.Code() == Reason::WrongPassword) {
        status = Fail(Reason::WrongPassword, WrongPasswordText);
    } else if (!opened) {
        opened = LoadRecords(backupFile_, lines, password_);
        if (opened || opened.Code() == Reason::WrongPassword) {
            if (notice)
                notice(RestoredText);
            if (!opened)
                status = Fail(Reason::WrongPassword, WrongPasswordText);
        } else {
            status = Fail(Reason::Damaged, CorruptedText);
        }
    }
    format_ = opened ? opened->Format : DiaryFormat::Plain;
    key_ = opened ? opened->Key : nullptr;
    Diary.Text.SetSorted(false);
    Diary.Text.SetLines(status ? std::move(lines) : LineList{});
    Tell(DiaryChange::Replaced);
    return status;
}

void DiarySession::Create(const std::string& name, const std::string& password, DiaryFormat format)
{
    diaryFile_ = DiaryPath(name);
    backupFile_ = ReplaceExtension(diaryFile_, "pkd");
    password_ = password;
    format_ = format;
    key_ = format == DiaryFormat::Sealed ? SealKey::Derive(password_, SealingKdf) : nullptr;
    Diary.NewDiary = true;
    Diary.Dirty = false;
    Diary.Text.SetSorted(false);
    Diary.Text.Clear();
    Tell(DiaryChange::Replaced);
}

void DiarySession::StoreDay(const Date& date, std::string_view bodyRtf, std::string_view title, int mood)
{
    formats::diary::StoreDay(Diary, date.Day, date.Month, date.Year, bodyRtf, title, mood);
    Tell(DiaryChange::DayStored);
}

void DiarySession::DeleteDay(const Date& date)
{
    formats::diary::DeleteDay(Diary, date.Day, date.Month, date.Year);
    Tell(DiaryChange::DayDeleted);
}

void DiarySession::SetFormat(DiaryFormat format)
{
    if (format == format_)
        return;
    format_ = format;
    key_ = format == DiaryFormat::Sealed ? SealKey::Derive(password_, SealingKdf) : nullptr;
    Diary.Dirty = true;
    Tell(DiaryChange::Secured);
}

DiaryLock DiarySession::Lock()
{
    if (format_ == DiaryFormat::Plain)
        return PlainLock(password_);
    if (!key_ || !key_->DerivedFrom(password_))
        key_ = SealKey::Derive(password_, SealingKdf);
    return {DiaryFormat::Sealed, {}, key_};
}

Status DiarySession::SaveAtExit()
{
    if (!Diary.Dirty || diaryFile_.empty())
        return {};
    const DiaryLock lock = Lock();
    const std::string fresh = diaryFile_ + ".new";
    if (Status written = WriteDiaryCopy(fresh, Diary.Text.Lines(), lock); !written)
        return written;
    if (Status rotated = RotateBackup(lock); !rotated)
        return rotated;
    if (Status renamed = RenameIfPresent(fresh, diaryFile_); !renamed)
        return renamed;
    Diary.Dirty = false;
    Tell(DiaryChange::Saved);
    return {};
}

Status DiarySession::RotateBackup(const DiaryLock& lock)
{
    if (lock.Format == DiaryFormat::Sealed)
        if (const auto previous = PlainRecordsOf(diaryFile_)) {
            // The plain file is replaced by the fresh one next; its content stays only sealed.
            if (const Status written = WriteWhole(backupFile_, MakeSealedImage(*previous, *lock.Key));
                !written)
                return WriteFailed(backupFile_, written.Message());
            return {};
        }
    std::error_code error;
    if (Exists(backupFile_) && !fs::remove(backupFile_, error))
        return WriteFailed(backupFile_, error.message());
    return RenameIfPresent(diaryFile_, backupFile_);
}

Status DiarySession::SaveCopy(const std::string& file)
{
    return WriteDiaryCopy(file, Diary.Text.Lines(), Lock());
}

void DiarySession::ReplaceLines(LineList lines)
{
    const bool sorted = Diary.Text.Sorted();
    Diary.Text.SetSorted(false);
    Diary.Text.SetLines(std::move(lines));
    Diary.Text.SetSorted(sorted);
    Diary.Dirty = true;
}

Status DiarySession::Restore(const std::string& file)
{
    LineList lines;
    if (const auto loaded = LoadRecords(file, lines, password_); !loaded) // the diary keeps its own format
        return Fail(loaded.Code(), loaded.Code() == Reason::WrongPassword ? OtherPasswordText : CorruptedText);
    ReplaceLines(std::move(lines));
    Tell(DiaryChange::Replaced);
    return {};
}

void DiarySession::ChangeRecords(const std::function<void(DiaryRecords& diary)>& change)
{
    change(Diary);
    Diary.Dirty = true;
    Tell(DiaryChange::Replaced);
}

Status DiarySession::CheckPassword(const std::optional<std::string>& typed) const
{
    if (!typed || TrimControls(*typed) != TrimControls(password_))
        return Fail(Reason::WrongPassword, WrongPasswordText);
    return {};
}

Status DiarySession::ChangePassword(const std::string& oldPassword, const std::string& newPassword,
                                    const std::string& confirmation)
{
    if (Status checked = CheckPassword(oldPassword); !checked)
        return checked;
    if (newPassword != confirmation)
        return Fail(Reason::Refused, PasswordsDifferText);
    password_ = newPassword;
    if (format_ == DiaryFormat::Sealed)
        key_ = SealKey::Derive(password_, SealingKdf);
    Diary.Dirty = true;
    Tell(DiaryChange::Secured);
    return {};
}

std::string DiarySession::RecoveryFile() const
{
    return ReplaceExtension(diaryFile_, "rcv");
}

Result<std::optional<LineList>> DiarySession::ReadRecovery() const
{
    const std::string file = RecoveryFile();
    if (diaryFile_.empty() || !Exists(file))
        return std::optional<LineList>();
    LineList lines;
    if (const auto loaded = LoadRecords(file, lines, password_); !loaded)
        return Fail(loaded.Code(), loaded.Code() == Reason::WrongPassword ? "it was written with another password"
                                                                          : "it cannot be read or is damaged");
    return std::optional<LineList>(std::move(lines));
}

void DiarySession::AcceptRecovery(LineList lines)
{
    ReplaceLines(std::move(lines));
    Diary.NewDiary = false;
    Tell(DiaryChange::Replaced);
}

Status DiarySession::SetRecoveryAside(const std::string& stamp) const
{
    const std::string file = RecoveryFile();
    return RenameIfPresent(file, file.substr(0, file.size() - 4) + "-" + stamp + ".rcv");
}

void DiarySession::RemoveRecovery() const
{
    std::error_code ignored;
    if (!diaryFile_.empty())
        fs::remove(RecoveryFile(), ignored);
}

} // namespace model::session
