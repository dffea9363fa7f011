// FileLister: collects the files of a folder whose names match a list of masks
// ("*.dry;*.bkd"), optionally through all subfolders, into a list of full paths, and reports
// each folder and file through events. Enabling it runs the search at once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// What OnEachFile is told of a file found.
struct FileEntry {
    std::string Name;
    uintmax_t Size = 0;
    std::filesystem::file_time_type Time;
    std::filesystem::file_type Type = std::filesystem::file_type::regular;
};

class FileLister {
public:
    FileLister();

    // The folder searched; a trailing separator is added (an empty text, the current folder,
    // stays empty). Setting it while enabled searches again.
    const std::string& Directory() const { return directory_; }
    void SetDirectory(std::string directory);
    // Masks separated by semicolons, "*" and "?" as wildcards, letter case ignored; an empty
    // text means "*.*", which matches every name. Setting it while enabled searches again.
    const std::string& FileMask() const { return fileMask_; }
    void SetFileMask(std::string mask);
    const std::vector<std::string>& Masks() const { return masks_; }
    bool Recurse() const { return recurse_; }
    void SetRecurse(bool recurse);
    bool Enabled() const { return enabled_; }
    // true runs the search, synchronously; false only stores the value.
    void SetEnabled(bool enabled);

    // Stop once FileList holds this many paths; 0: no limit.
    int MaxFiles = 0;
    // Let the user interface handle pending events now and then during a search.
    bool ProcessMessages = false;
    std::function<void(FileLister& sender, const std::string& folder)> OnEachDir;
    std::function<void(FileLister& sender, const FileEntry& file)> OnEachFile;

    // Full paths of the files found, in the order found: within a folder by name, letter case
    // ignored.
    const std::vector<std::string>& FileList() const { return fileList_; }
    // The folders of the last search that could not be read, each with the reason.
    const std::vector<std::string>& Errors() const { return errors_; }

private:
    void Run();
    void SearchFolder(const std::string& folder);
    bool Full() const;
    void CountDown();

    std::string directory_;
    std::string fileMask_;
    std::vector<std::string> masks_;
    bool recurse_ = true;
    bool enabled_ = false;
    std::vector<std::string> fileList_;
    std::vector<std::string> errors_;
    int countdown_ = 0;
};

// Whether a file name matches a mask with "*" and "?", ASCII letter case ignored; "*.*"
// matches every name, also one without a dot.
bool MatchesMask(std::string_view name, std::string_view mask);
