// The open diary: its files, its password and its day records, from the selection window to
// the save at exit. The one owner of that state; the windows are handed the session, work on
// it through these operations and hear what changed through DiaryListener.
#pragma once

#include "base/dates/CalendarDate.h"
#include "base/io/FileIdentity.h"
#include "base/result/Result.h"
#include "formats/diary/DayRecords.h"
#include "formats/diary/DiaryFormat.h"
#include "platform/files/WriterLock.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model::session {

// What changed in the open diary, as its listeners hear it.
enum class DiaryChange {
    Replaced,   // every record replaced: a diary opened or created, a backup restored, a recovery taken in
    DayStored,  // one day's record written
    DayDeleted, // one day's record removed
    Secured,    // the password or the file format changed: the next writes use the new lock
    Saved,      // written to its file; nothing is left unsaved
    Merging,    // another copy is about to be merged in: what is being typed is to be stored now
    Merged,     // another copy was merged in (LastMerge tells which days changed)
};

// What a merge of another copy brought.
struct MergeNews {
    std::vector<formats::diary::DayDate> CameIn;   // days whose record changed
    std::vector<formats::diary::DayDate> TwoTexts; // days now holding both copies' texts
};

// What the open diary asks and tells when its file changed on disk since it was read or
// written (another window, another machine through a synced folder).
class ChangedFileQuestions {
public:
    // The password of the changed file, which does not open with the diary's; nothing keeps
    // this side's content and sets the other copy aside.
    virtual std::optional<std::string> OtherPassword(const std::string& file) = 0;
    // The changed file was merged in.
    virtual void TellMerged(const MergeNews& news) = 0;
    // The changed file was not merged in: why, in words.
    virtual void TellNotMerged(const std::string& text) = 0;

protected:
    ChangedFileQuestions() = default;
    ChangedFileQuestions(const ChangedFileQuestions&) = default;
    ChangedFileQuestions& operator=(const ChangedFileQuestions&) = default;
    ~ChangedFileQuestions() = default;
};

// Hears the open diary's changes: the windows and the recovery schedule.
class DiaryListener {
public:
    virtual void DiaryChanged(DiaryChange change) = 0;

protected:
    DiaryListener() = default;
    DiaryListener(const DiaryListener&) = default;
    DiaryListener& operator=(const DiaryListener&) = default;
    ~DiaryListener() = default;
};

// The diary folder with a trailing separator, as diary paths are built from it.
std::string WithTrailingBackslash(const std::string& folder);
// Name with its last three characters replaced by ext; names of two characters or fewer stay.
std::string ReplaceExtension(const std::string& name, std::string_view ext);
// Without the characters at or below the blank at either end.
std::string TrimControls(std::string_view text);

class DiarySession {
public:
    // Told while a diary opens: "restored from backup" when its file was damaged.
    using Notice = std::function<void(const std::string& text)>;

    // folder: where the diaries live; compare: the locale's comparison of record lines.
    DiarySession(const std::string& folder, formats::diary::TextComparer compare);
    // Wipes the password.
    ~DiarySession();
    DiarySession(const DiarySession&) = delete;
    DiarySession& operator=(const DiarySession&) = delete;

    // Listeners are told every change below until they are removed; they must outlive their
    // listening.
    void AddListener(DiaryListener& listener);
    void RemoveListener(DiaryListener& listener);

    const std::string& DiaryFolder() const { return folder_; }
    // Full path of the open diary; empty until one is opened or created.
    const std::string& DiaryFile() const { return diaryFile_; }
    // Its backup: ".bkd", or ".pkd" for a diary created in this run.
    const std::string& BackupFile() const { return backupFile_; }
    // In the diary code page, trimmed; may be empty. Changed through ChangePassword, which
    // makes a sealed diary's key anew.
    const std::string& Password() const { return password_; }
    // The cost of deriving the keys this session makes for sealing (tests make it cheap).
    formats::diary::KdfParams SealingKdf = formats::diary::ProductionKdf;
    // The day records with Dirty and NewDiary (formats/diary/DayRecords.h). The program
    // changes them through the operations of this class, which tell the listeners.
    formats::diary::DiaryRecords Diary;

    formats::diary::DiaryText& Text() { return Diary.Text; }
    const formats::diary::DiaryText& Text() const { return Diary.Text; }
    bool Dirty() const { return Diary.Dirty; }

    // The path of a diary of the folder by its name (file-system bytes, without ".dry").
    std::string DiaryPath(const std::string& name) const;

    // Opens the named diary with the password, falling back to its backup when the diary file
    // cannot be read (notice is told so as soon as the backup is found sound). Fails with
    // WrongPassword ("Password is incorrect!") or Damaged ("This diary file is corrupted");
    // then the records are left empty.
    base::result::Status Open(const std::string& name, const std::string& password,
                              const Notice& notice = {});
    // A new, empty diary of that name (its file is written at exit); a sealed one gets its key
    // now.
    void Create(const std::string& name, const std::string& password,
                formats::diary::DiaryFormat format = formats::diary::DiaryFormat::Plain);

    // Stores the day's record (nothing while date has a negative day) and tells DayStored.
    // DayRecordError for a record that would not read back as written.
    void StoreDay(const base::dates::Date& date, std::string_view bodyRtf, std::string_view title, int mood);
    // Removes the date's record if any; the diary counts as changed in any case.
    void DeleteDay(const base::dates::Date& date);
    // The run's changes are not to be written (the user dropped them).
    void DropChanges() { Diary.Dirty = false; }

    // The format the diary is written in: the one it was opened or created in, or the one
    // SetFormat chose.
    formats::diary::DiaryFormat Format() const { return format_; }
    // Seals (DiaryFormat::Sealed) or unseals (DiaryFormat::Plain) the diary: like a password change, it sets Dirty
    // and the save at exit writes the chosen format. Sealing derives the key now. Nothing
    // changes when the diary has that format already.
    void SetFormat(formats::diary::DiaryFormat format);
    // What the diary's files are written with: the format and the password, or the key of a
    // sealed diary (made anew when the password changed). For writers of copies on other
    // threads.
    formats::diary::DiaryLock Lock();

    // When the diary file is not as this session last read or wrote it (its size, time and
    // inode are looked at first, its bytes only when those moved), reads it (with the password it was read or written with, else the
    // diary's, else the one the questions give) and merges it in by day, three ways, against
    // the content last read or written; then the questions are told. Done before every write
    // of the diary file; true when something was merged in.
    bool TakeInChangedFile();
    // Where the diary's changed file is told about; nothing (the default) takes in what opens
    // with the known passwords and sets the rest aside.
    void SetChangedFileQuestions(ChangedFileQuestions* questions) { questions_ = questions; }
    const MergeNews& LastMerge() const { return lastMerge_; }
    // Merges a copy of the diary without a common ancestor (a sync engine's conflict copy) with
    // its password, then renames it to "<copy>.merged". Fails with WrongPassword or Damaged.
    base::result::Result<MergeNews> MergeCopy(const std::string& file, const std::string& password);
    // Whether MergeCopy took a copy in since the diary was opened.
    bool MergedCopies() const { return mergedCopies_; }

    // Opened read-only: nothing is stored or written to the diary's files.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // The lock beside the diary this opening holds until the session ends.
    void KeepLock(std::unique_ptr<platform::files::WriterLock> lock) { lock_ = std::move(lock); }

    // Writes the diary when Dirty: the new image goes to a temporary file in the diary's
    // folder first, then the backup is rotated (old backup removed, diary renamed to the
    // backup, the temporary renamed to the diary), so that the previous content is on disk at
    // every moment. A failure (WriteFailed, the file and the system's reason) leaves Dirty set
    // and the previous files as they were. A sealed diary whose previous file is plain gets
    // that content sealed into the backup instead, so that no plain copy stays beside it.
    base::result::Status SaveAtExit();
    // Writes the records to another file (after a failed exit save, or as the tools window's
    // backup), safely, in the diary's format.
    base::result::Status SaveCopy(const std::string& file);

    // Replaces the records by those of a backup of either format written with the current
    // password; the diary keeps its own format. Fails with WrongPassword or Damaged, each with
    // the text the user is shown.
    base::result::Status Restore(const std::string& file);
    // Changes many records at once (an import) and tells the listeners every record was
    // replaced.
    void ChangeRecords(const std::function<void(formats::diary::DiaryRecords& diary)>& change);
    // Whether the typed password (compared trimmed) is the diary's; nothing stands for a typed
    // text the code page cannot hold. Fails with WrongPassword, "Password is incorrect!".
    base::result::Status CheckPassword(const std::optional<std::string>& typed) const;
    // The password change: old typed (compared trimmed), new typed twice. A sealed diary gets
    // a new key (and salt) for the new password. Fails with WrongPassword or Refused
    // ("Passwords do not match!").
    base::result::Status ChangePassword(const std::string& oldPassword, const std::string& newPassword,
                                        const std::string& confirmation);

    // The recovery file beside the diary, named after this host so that a copy a sync engine
    // brings from another machine is not taken for this one's: written with the diary's Lock()
    // while the run has unsaved changes, removed when the run ends cleanly.
    std::string RecoveryFile() const;
    // The recovery file's records when one exists and opens with the password; nothing when
    // there is none; a file that does not open fails with why, in words.
    base::result::Result<std::optional<base::text::LineList>> ReadRecovery() const;
    // The recovered records become the diary's, to be saved at exit.
    void AcceptRecovery(base::text::LineList lines);
    // Keeps a declined recovery file under a dated name ("x.rcv" to "x-20261206-203315.rcv").
    base::result::Status SetRecoveryAside(const std::string& stamp) const;
    void RemoveRecovery() const;

private:
    void ReplaceLines(base::text::LineList lines);
    // The file's bytes become what later changes are measured against.
    void RememberFile(const base::io::FileIdentity& identity, const base::text::LineList& lines,
                      const std::string& password);
    // Merges records of another copy in (base: nothing for a copy without a common ancestor).
    MergeNews TakeIn(const base::text::LineList* base, const base::text::LineList& other,
                     const std::string& otherName, int64_t otherTimeNs);
    // The changed file's records, opened with a known password or the one asked for; nothing
    // when it is set aside or cannot be read (the questions are told).
    // The diary file read, when it is not as last read or written.
    std::optional<base::io::IdentifiedFile> ChangedFile();
    // Opens it with a known password or the one asked for; fails with why, in words.
    base::result::Result<base::text::LineList> OpenChangedFile(const std::string& image);
    // Keeps a changed file that does not open under a dated name, telling why; this side's
    // content is to be saved over it.
    void SetChangedFileAside(const std::string& image, const base::io::FileIdentity& identity,
                             const std::string& why);
    base::result::Status CheckWritable() const;
    base::result::Status RotateBackup(const formats::diary::DiaryLock& lock);
    void Tell(DiaryChange change);

    std::string folder_;
    std::string diaryFile_;
    std::string backupFile_;
    std::string password_;
    formats::diary::DiaryFormat format_ = formats::diary::DiaryFormat::Plain;
    std::shared_ptr<const formats::diary::SealKey> key_; // DiaryFormat::Sealed: derived from password_
    std::vector<DiaryListener*> listeners_;
    // The diary file as last read or written: its identity, records and password.
    base::io::FileIdentity fileIdentity_;
    base::text::LineList fileLines_;
    std::string filePassword_;
    ChangedFileQuestions* questions_ = nullptr;
    MergeNews lastMerge_;
    bool readOnly_ = false;
    bool takingIn_ = false;
    bool mergedCopies_ = false;
    std::unique_ptr<platform::files::WriterLock> lock_;
};

// Writes a diary image of the lines safely to the file in the lock's format (used for the
// recovery file from a worker thread: it touches nothing of the session).
base::result::Status WriteDiaryCopy(const std::string& file, const base::text::LineList& lines,
                                    const formats::diary::DiaryLock& lock);

} // namespace model::session
