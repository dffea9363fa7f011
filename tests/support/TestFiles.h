// Files for tests: reference vectors, a private temporary folder per test, whole-file I/O.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// Path of a file under tests/vectors (DAYBROOK_VECTORS overrides the folder).
std::filesystem::path VectorPath(const std::string& relative);

// Whole content of a file; fails the running test when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A fresh empty folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace testing_support
