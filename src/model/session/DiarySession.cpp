#include "model/session/DiarySession.h"

#include "base/io/SafeFile.h"
#include "formats/merge/DayMerge.h"
#include "platform/locale/DiaryCodePage.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

using base::dates::Date;
using base::io::FileIdentity;
using base::io::IdentifiedFile;
using base::io::IdentityOf;
using base::io::ReadIdentified;
using base::io::StampOf;
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
using formats::diary::ParseDiaryFileImage;
using formats::diary::ParseDiaryImage;
using formats::diary::PlainLock;
using formats::diary::SealKey;
using formats::diary::TextComparer;
using formats::diary::WipeBytes;
using formats::merge::MergedDiary;
using formats::merge::MergeThreeWay;
using formats::merge::MergeTwoWay;
using formats::merge::OtherCopy;
using platform::files::ThisHost;
using platform::locale::DiaryCodePage;

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
const char* const ReadOnlyText = "This diary is open read-only.";

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

// The same for a file read with its identity.
Result<DiaryLock> ParseRecords(const std::string& file, const Result<IdentifiedFile>& read, LineList& lines,
                               const std::string& password)
{
    if (!read)
        return Fail(read.Code(), file + ": " + read.Message());
    auto opened = ParseDiaryFileImage(read->Bytes, password);
    if (!opened)
        return Fail(opened.Code(), file + ": " + opened.Message());
    lines = std::move(opened->Lines);
    return opened->Lock;
}

// A file time in local time, by default as the user reads it: "2026-12-07 09:14".
std::string LocalTime(int64_t nanoseconds, const char* format = "%Y-%m-%d %H:%M")
{
    const std::time_t seconds = static_cast<std::time_t>(nanoseconds / 1'000'000'000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::string FileName(const std::string& file)
{
    return fs::path(file).filename().string();
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ignored;
    return fs::weakly_canonical(a, ignored) == fs::weakly_canonical(b, ignored);
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
    readOnly_ = false;
    mergedCopies_ = false;
    LineList lines;
    const auto read = ReadIdentified(diaryFile_);
    auto opened = ParseRecords(diaryFile_, read, lines, password_);
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
    if (!status)
        lines.clear();
    RememberFile(read ? read->Identity : FileIdentity{StampOf(diaryFile_), 0}, lines, password_);
    Diary.Text.SetSorted(false);
    Diary.Text.SetLines(std::move(lines));
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
    readOnly_ = false;
    mergedCopies_ = false;
    RememberFile({}, {}, password_);
    Diary.Text.SetSorted(false);
    Diary.Text.Clear();
    Tell(DiaryChange::Replaced);
}

void DiarySession::StoreDay(const Date& date, std::string_view bodyRtf, std::string_view title, int mood)
{
    if (readOnly_)
        return;
    formats::diary::StoreDay(Diary, date.Day, date.Month, date.Year, bodyRtf, title, mood);
    Tell(DiaryChange::DayStored);
}

void DiarySession::DeleteDay(const Date& date)
{
    if (readOnly_)
        return;
    formats::diary::DeleteDay(Diary, date.Day, date.Month, date.Year);
    Tell(DiaryChange::DayDeleted);
}

void DiarySession::SetFormat(DiaryFormat format)
{
    if (format == format_ || readOnly_)
        return;
    TakeInChangedFile();
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
    if (!Diary.Dirty || diaryFile_.empty() || readOnly_)
        return {};
    TakeInChangedFile();
    if (Diary.Dirty) {
        const DiaryLock lock = Lock();
        const std::string fresh = diaryFile_ + ".new";
        const std::string image = MakeDiaryFileImage(Diary.Text.Lines(), lock);
        if (const Status written = WriteWhole(fresh, image); !written)
            return WriteFailed(fresh, written.Message());
        if (Status rotated = RotateBackup(lock); !rotated)
            return rotated;
        if (Status renamed = RenameIfPresent(fresh, diaryFile_); !renamed)
            return renamed;
        RememberFile(IdentityOf(StampOf(diaryFile_), image), Diary.Text.Lines(), password_);
        Diary.Dirty = false;
    }
    Tell(DiaryChange::Saved);
    return {};
}

void DiarySession::RememberFile(const FileIdentity& identity, const LineList& lines, const std::string& password)
{
    fileIdentity_ = identity;
    fileLines_ = lines;
    filePassword_ = password;
}

Status DiarySession::CheckWritable() const
{
    if (readOnly_)
        return Fail(Reason::Refused, ReadOnlyText);
    return {};
}

std::optional<IdentifiedFile> DiarySession::ChangedFile()
{
    if (diaryFile_.empty())
        return std::nullopt;
    const auto stamp = StampOf(diaryFile_);
    if (!stamp || stamp == fileIdentity_.Stamp)
        return std::nullopt; // unchanged, or gone: the next save writes it anew
    auto read = ReadIdentified(diaryFile_);
    if (!read)
        return std::nullopt;
    if (fileIdentity_.Stamp && read->Identity.Hash == fileIdentity_.Hash) {
        fileIdentity_ = read->Identity; // touched or copied back, not changed
        return std::nullopt;
    }
    return std::move(*read);
}

Result<LineList> DiarySession::OpenChangedFile(const std::string& image)
{
    const std::string name = FileName(diaryFile_);
    for (const std::string* password : {&filePassword_, &password_}) {
        auto opened = ParseDiaryFileImage(image, *password);
        if (opened) {
            filePassword_ = *password;
            return std::move(opened->Lines);
        }
        if (opened.Code() != Reason::WrongPassword)
            return Fail(opened.Code(), name + " was changed elsewhere and cannot be read (" + opened.Message() + ").");
    }
    while (questions_ != nullptr) {
        const auto password = questions_->OtherPassword(diaryFile_);
        if (!password)
            break;
        if (auto opened = ParseDiaryFileImage(image, *password)) {
            filePassword_ = *password;
            return std::move(opened->Lines);
        }
    }
    return Fail(Reason::WrongPassword, name + " was changed elsewhere with another password.");
}

void DiarySession::SetChangedFileAside(const std::string& image, const FileIdentity& identity, const std::string& why)
{
    const std::string aside = diaryFile_.substr(0, diaryFile_.size() - 4) + "-other-" +
                              LocalTime(identity.Stamp->ModifiedNs, "%Y%m%d-%H%M%S") + ".dry";
    RememberFile(identity, Diary.Text.Lines(), password_);
    Diary.Dirty = true; // this side's content goes over the file at the next save
    const Status written = WriteWhole(aside, image);
    if (questions_ == nullptr)
        return;
    if (written)
        questions_->TellNotMerged(why + " That copy is kept as " + FileName(aside) +
                                  "; this window's diary is saved over it.");
    else
        questions_->TellNotMerged(why + " That copy could not be kept: " + written.Message());
}

bool DiarySession::TakeInChangedFile()
{
    if (takingIn_)
        return false; // a question of the merge under way let the window look again
    const auto changed = ChangedFile();
    if (!changed)
        return false;
    takingIn_ = true;
    const struct Done {
        bool& Flag;
        ~Done() { Flag = false; }
    } done{takingIn_};
    Tell(DiaryChange::Merging);
    const auto other = OpenChangedFile(changed->Bytes);
    if (!other && readOnly_) { // nothing is written: the file stays the writer's
        RememberFile(changed->Identity, Diary.Text.Lines(), filePassword_);
        if (questions_ != nullptr)
            questions_->TellNotMerged(other.Message());
        return false;
    }
    if (!other) {
        SetChangedFileAside(changed->Bytes, changed->Identity, other.Message());
        return false;
    }
    const LineList base = std::move(fileLines_);
    lastMerge_ = TakeIn(&base, *other, FileName(diaryFile_), changed->Identity.Stamp->ModifiedNs);
    RememberFile(changed->Identity, *other, filePassword_);
    Tell(DiaryChange::Merged);
    if (questions_ != nullptr && !lastMerge_.CameIn.empty())
        questions_->TellMerged(lastMerge_);
    return true;
}

MergeNews DiarySession::TakeIn(const LineList* base, const LineList& other, const std::string& otherName,
                               int64_t otherTimeNs)
{
    const OtherCopy copy{DiaryCodePage(), otherName, LocalTime(otherTimeNs)};
    MergedDiary merged = base != nullptr ? MergeThreeWay(*base, Diary.Text.Lines(), other, copy)
                                         : MergeTwoWay(Diary.Text.Lines(), other, copy);
    const bool dirty = Diary.Dirty || merged.DiffersFromOther;
    ReplaceLines(std::move(merged.Lines));
    Diary.Dirty = dirty;
    return MergeNews{std::move(merged.CameIn), std::move(merged.TwoTexts)};
}

Result<MergeNews> DiarySession::MergeCopy(const std::string& file, const std::string& password)
{
    if (Status writable = CheckWritable(); !writable)
        return writable.Error();
    LineList lines;
    if (const auto loaded = LoadRecords(file, lines, password); !loaded)
        return loaded.Error();
    const auto stamp = StampOf(file);
    const bool dirty = Diary.Dirty;
    Tell(DiaryChange::Merging);
    lastMerge_ = TakeIn(nullptr, lines, FileName(file), stamp ? stamp->ModifiedNs : 0);
    Diary.Dirty = dirty || !lastMerge_.CameIn.empty(); // the file holds what was there before
    mergedCopies_ = true;
    Tell(DiaryChange::Merged);
    if (Status renamed = RenameIfPresent(file, file + ".merged"); !renamed)
        return renamed.Error();
    return lastMerge_;
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
    const bool ownFile = SameFile(file, diaryFile_);
    if (ownFile)
        if (Status writable = CheckWritable(); !writable)
            return writable;
    TakeInChangedFile();
    const std::string image = MakeDiaryFileImage(Diary.Text.Lines(), Lock());
    if (const Status written = WriteWhole(file, image); !written)
        return WriteFailed(file, written.Message());
    if (ownFile) {
        RememberFile(IdentityOf(StampOf(diaryFile_), image), Diary.Text.Lines(), password_);
        Diary.Dirty = false;
    }
    return {};
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
    if (Status writable = CheckWritable(); !writable)
        return writable;
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
    if (Status writable = CheckWritable(); !writable)
        return writable;
    if (Status checked = CheckPassword(oldPassword); !checked)
        return checked;
    if (newPassword != confirmation)
        return Fail(Reason::Refused, PasswordsDifferText);
    TakeInChangedFile();
    password_ = newPassword;
    if (format_ == DiaryFormat::Sealed)
        key_ = SealKey::Derive(password_, SealingKdf);
    Diary.Dirty = true;
    Tell(DiaryChange::Secured);
    return {};
}

std::string DiarySession::RecoveryFile() const
{
    if (diaryFile_.size() <= 3)
        return diaryFile_;
    return diaryFile_.substr(0, diaryFile_.size() - 3) + ThisHost() + ".rcv";
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
