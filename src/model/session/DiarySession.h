// The open diary: its files, its password and its day records, from the selection window to
// the save at exit. The one owner of that state; the windows are handed the session and work
// on it through these operations.
#pragma once

#include "formats/diary/DayRecords.h"
#include "formats/diary/DiaryFormat.h"

#include <optional>
#include <string>

// What an operation on the diary's files came to: when it failed, the reason code and the
// reason in words (the system's error text, with the file concerned).
struct SessionResult {
    std::optional<result::Reason> Code; // nothing when it went well
    std::string Reason;

    bool Ok() const { return !Code; }
};

// How opening an existing diary went; the selection window tells the user.
enum class OpenOutcome {
    Opened,              // the diary file was read
    RestoredFromBackup,  // the diary file was unreadable or damaged; its backup was read
    WrongPassword,       // the diary file is sound but holds another password
    BackupWrongPassword, // the diary file was unreadable; its backup holds another password
    Corrupted,           // neither the diary file nor its backup could be read
};

// How restoring from a backup file went.
enum class RestoreOutcome { Restored, OtherPassword, Corrupted };

// How a password change went.
enum class PasswordChange { Changed, OldPasswordWrong, NewPasswordsDiffer };

// The diary folder with a trailing separator, as diary paths are built from it.
std::string WithTrailingBackslash(const std::string& Folder);
// Name with its last three characters replaced by Ext; names of two characters or fewer stay.
std::string ReplaceExtension(const std::string& Name, std::string_view Ext);
// Without the characters at or below the blank at either end.
std::string TrimControls(std::string_view text);

class DiarySession {
public:
    // folder: where the diaries live; compare: the locale's comparison of record lines.
    DiarySession(const std::string& folder, TextComparer compare);
    // Wipes the password.
    ~DiarySession();

    const std::string& DiaryFolder() const { return folder_; }
    std::string DiaryFile;  // full path of the open diary
    std::string BackupFile; // its backup: ".bkd", or ".pkd" for a diary created in this run
    // In the diary code page, trimmed; may be empty. Changed through ChangePassword, which
    // makes a sealed diary's key anew.
    std::string Password;
    // The cost of deriving the keys this session makes for sealing (tests make it cheap).
    KdfParams SealingKdf = ProductionKdf;
    // The day records with Dirty and NewDiary (storage/DayRecords.h).
    DiaryRecords Diary;

    DiaryText& Text() { return Diary.Text; }
    const DiaryText& Text() const { return Diary.Text; }
    bool Dirty() const { return Diary.Dirty; }

    // The path of a diary of the folder by its name (file-system bytes, without ".dry").
    std::string DiaryPath(const std::string& name) const;

    // Opens the named diary with the password, falling back to its backup when the diary
    // file cannot be read; on every outcome but Opened and RestoredFromBackup the records are
    // left empty.
    OpenOutcome Open(const std::string& name, const std::string& password);
    // A new, empty diary of that name (its file is written at exit); a sealed one gets its key
    // now.
    void Create(const std::string& name, const std::string& password, DiaryFormat format = DiaryFormat::Plain);

    // The format the diary is written in: the one it was opened or created in, or the one
    // SetFormat chose.
    DiaryFormat Format() const { return format_; }
    // Seals (Sealed) or unseals (Plain) the diary: like a password change, it sets Dirty
    // and the save at exit writes the chosen format. Sealing derives the key now. Nothing
    // changes when the diary has that format already.
    void SetFormat(DiaryFormat format);
    // What the diary's files are written with: the format and the password, or the key of a
    // sealed diary (made anew when Password changed). For writers of copies on other threads.
    DiaryLock Lock();

    // Writes the diary when Dirty: the new image goes to a temporary file in the diary's
    // folder first, then the backup is rotated (old backup removed, diary renamed to the
    // backup, the temporary renamed to the diary), so that the previous content is on disk at
    // every moment. A failure leaves Dirty set and the previous files as they were. A sealed
    // diary whose previous file is plain gets that content sealed into the backup instead, so
    // that no plain copy stays beside it.
    SessionResult SaveAtExit();
    // Writes the records to another file (after a failed exit save), safely, in the diary's
    // format.
    SessionResult SaveCopy(const std::string& file);

    // The options window's backup: the records to the chosen file, in the diary's format.
    SessionResult Backup(const std::string& file) { return SaveCopy(file); }
    // Replaces the records by those of a backup of either format written with the current
    // password; the diary keeps its own format.
    RestoreOutcome Restore(const std::string& file);
    // The options window's password change: old typed (compared trimmed), new typed twice. A
    // sealed diary gets a new key (and salt) for the new password.
    PasswordChange ChangePassword(const std::string& oldPassword, const std::string& newPassword,
                                   const std::string& confirmation);

    // The recovery file beside the diary: written with the diary's Lock() while the run has
    // unsaved changes, removed when the run ends cleanly.
    std::string RecoveryFile() const;
    // The recovery file's records when one exists and opens with the password; a file that
    // exists but does not open is told through problem (once per call).
    std::optional<LineList> ReadRecovery(std::string& problem) const;
    // The recovered records become the diary's, to be saved at exit.
    void AcceptRecovery(LineList lines);
    // Keeps a declined recovery file under a dated name ("x.rcv" to "x-20261206-203315.rcv").
    SessionResult SetRecoveryAside(const std::string& stamp) const;
    void RemoveRecovery() const;

private:
    SessionResult RotateBackup(const DiaryLock& lock);

    std::string folder_;
    DiaryFormat format_ = DiaryFormat::Plain;
    std::shared_ptr<const SealKey> key_; // Sealed: derived from Password
};

// Writes a diary image of the lines safely to the file in the lock's format (used for the
// recovery file from a worker thread: it touches nothing of the session).
SessionResult WriteDiaryCopy(const std::string& file, const LineList& lines, const DiaryLock& lock);
