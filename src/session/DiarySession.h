// The open diary: its files, its password and its day records, from the selection window to
// the save at exit. The one owner of that state; the windows are handed the session and work
// on it through these operations.
#pragma once

#include "storage/DayRecords.h"
#include "storage/DiaryFile.h"

#include <optional>
#include <string>

// What an operation on the diary's files came to: the code of the diary file format and, when
// it failed, the reason in words (the system's error text, with the file concerned).
struct TSessionResult {
    TDiaryResult Code = drDone;
    std::string Reason;

    bool Ok() const { return Code == drDone; }
};

// How opening an existing diary went; the selection window tells the user.
enum class TOpenOutcome {
    Opened,              // the diary file was read
    RestoredFromBackup,  // the diary file was unreadable or damaged; its backup was read
    WrongPassword,       // the diary file is sound but holds another password
    BackupWrongPassword, // the diary file was unreadable; its backup holds another password
    Corrupted,           // neither the diary file nor its backup could be read
};

// How restoring from a backup file went.
enum class TRestoreOutcome { Restored, OtherPassword, Corrupted };

// How a password change went.
enum class TPasswordChange { Changed, OldPasswordWrong, NewPasswordsDiffer };

// The diary folder with a trailing separator, as diary paths are built from it.
std::string WithTrailingBackslash(const std::string& Folder);
// Name with its last three characters replaced by Ext; names of two characters or fewer stay.
std::string ReplaceExtension(const std::string& Name, std::string_view Ext);
// Without the characters at or below the blank at either end.
std::string TrimControls(std::string_view text);

class TDiarySession {
public:
    // folder: where the diaries live; compare: the locale's comparison of record lines.
    TDiarySession(const std::string& folder, TCompareText compare);

    const std::string& DiaryFolder() const { return folder_; }
    std::string DiaryFile;  // full path of the open diary
    std::string BackupFile; // its backup: ".bkd", or ".pkd" for a diary created in this run
    std::string Password;   // in the diary code page, trimmed; may be empty
    // The day records with Dirty and NewDiary (storage/DayRecords.h).
    TDiary Diary;

    TDiaryText& DiaryText() { return Diary.DiaryText; }
    const TDiaryText& DiaryText() const { return Diary.DiaryText; }
    bool Dirty() const { return Diary.Dirty; }

    // The path of a diary of the folder by its name (file-system bytes, without ".dry").
    std::string DiaryPath(const std::string& name) const;

    // Opens the named diary with the password, falling back to its backup when the diary
    // file cannot be read; on every outcome but Opened and RestoredFromBackup the records are
    // left empty.
    TOpenOutcome Open(const std::string& name, const std::string& password);
    // A new, empty diary of that name (its file is written at exit).
    void Create(const std::string& name, const std::string& password);

    // Writes the diary when Dirty: the new image goes to a temporary file in the diary's
    // folder first, then the backup is rotated (old backup removed, diary renamed to the
    // backup, the temporary renamed to the diary), so that the previous content is on disk at
    // every moment. A failure leaves Dirty set and the previous files as they were.
    TSessionResult SaveAtExit();
    // Writes the records to another file (after a failed exit save), safely.
    TSessionResult SaveCopy(const std::string& file) const;

    // The options window's backup: the records and password to the chosen file.
    TSessionResult Backup(const std::string& file) const { return SaveCopy(file); }
    // Replaces the records by those of a backup written with the current password.
    TRestoreOutcome Restore(const std::string& file);
    // The options window's password change: old typed (compared trimmed), new typed twice.
    TPasswordChange ChangePassword(const std::string& oldPassword, const std::string& newPassword,
                                   const std::string& confirmation);

    // The recovery file beside the diary: the diary's format and password, written while the
    // run has unsaved changes, removed when the run ends cleanly.
    std::string RecoveryFile() const;
    // The recovery file's records when one exists and opens with the password; a file that
    // exists but does not open is told through problem (once per call).
    std::optional<TLines> ReadRecovery(std::string& problem) const;
    // The recovered records become the diary's, to be saved at exit.
    void AcceptRecovery(TLines lines);
    // Keeps a declined recovery file under a dated name ("x.rcv" to "x-20261206-203315.rcv").
    TSessionResult SetRecoveryAside(const std::string& stamp) const;
    void RemoveRecovery() const;

private:
    std::string folder_;
};

// Writes a diary image of the lines safely to the file (used for the recovery file from a
// worker thread: it touches nothing of the session).
TSessionResult WriteDiaryCopy(const std::string& file, const TLines& lines, const std::string& password);
