#include "platform/files/FileLister.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace {

constexpr int MessageInterval = 200; // entries between two rounds of pending events

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

char Folded(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

std::vector<std::string> ParseMasks(std::string text)
{
    std::vector<std::string> masks;
    text = Trimmed(text);
    if (text.empty())
        text = "*.*";
    for (size_t semicolon; (semicolon = text.find(';')) != std::string::npos;) {
        if (std::string mask = Trimmed(text.substr(0, semicolon)); !mask.empty())
            masks.push_back(std::move(mask));
        text = Trimmed(text.substr(semicolon + 1, 255));
        if (text.empty())
            return masks;
    }
    masks.push_back(Trimmed(text));
    return masks;
}

struct FolderEntry {
    std::string Name;
    bool IsFolder = false;
    fs::directory_entry Entry;
};

// The entries of a folder sorted by name; false when it cannot be read.
bool ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries, std::string& error)
{
    std::error_code code;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), code);
    for (; !code && it != fs::directory_iterator(); it.increment(code)) {
        std::error_code ignored;
        entries.push_back(
            {it->path().filename().string(), it->is_directory(ignored) && !it->is_symlink(ignored), *it});
    }
    if (code) {
        error = (folder.empty() ? std::string(".") : folder) + ": " + code.message();
        return false;
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return LessIgnoringCase(a.Name, b.Name); });
    return true;
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*" || mask == "*")
        return true;
    // Greedy matching with backtracking to the last star.
    size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Folded(mask[m]) == Folded(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

FileLister::FileLister()
{
    SetFileMask("*.*;");
}

void FileLister::SetDirectory(std::string directory)
{
    if (!directory.empty() && directory.back() != '/')
        directory += '/';
    directory_ = std::move(directory);
    if (enabled_)
        Run();
}

void FileLister::SetFileMask(std::string mask)
{
    fileMask_ = std::move(mask);
    masks_ = ParseMasks(fileMask_);
    if (enabled_)
        Run();
}

void FileLister::SetRecurse(bool recurse)
{
    recurse_ = recurse;
    if (enabled_)
        Run();
}

void FileLister::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled_)
        Run();
}

void FileLister::Run()
{
    fileList_.clear();
    errors_.clear();
    SearchFolder(directory_);
}

bool FileLister::Full() const
{
    return MaxFiles > 0 && fileList_.size() >= static_cast<size_t>(MaxFiles);
}

void FileLister::CountDown()
{
    if (ProcessMessages && --countdown_ <= 0) {
        QCoreApplication::processEvents();
        countdown_ = MessageInterval;
    }
}

void FileLister::SearchFolder(const std::string& folder)
{
    countdown_ = MessageInterval;
    if (ProcessMessages)
        QCoreApplication::processEvents();
    if (Full())
        return;
    if (OnEachDir)
        OnEachDir(*this, folder);

    std::vector<FolderEntry> entries;
    std::string error;
    if (!ReadFolder(folder, entries, error)) {
        errors_.push_back(error);
        return;
    }
    for (const std::string& mask : masks_) {
        for (const FolderEntry& entry : entries) {
            if (!MatchesMask(entry.Name, mask))
                continue;
            if (!entry.IsFolder) {
                fileList_.push_back(folder + entry.Name);
                if (OnEachFile) {
                    std::error_code ignored;
                    FileEntry record{entry.Name, 0, entry.Entry.last_write_time(ignored),
                                      entry.Entry.status(ignored).type()};
                    record.Size = entry.Entry.is_regular_file(ignored) ? entry.Entry.file_size(ignored) : 0;
                    OnEachFile(*this, record);
                }
                if (Full())
                    return;
            }
            CountDown();
        }
    }
    if (!recurse_)
        return;
    for (const FolderEntry& entry : entries)
        if (entry.IsFolder)
            SearchFolder(folder + entry.Name + '/');
}
