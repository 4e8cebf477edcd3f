#pragma once

#include "runtime/AppPaths.h"
#include "runtime/TextFile.h"

#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh folder that stands in for the executable's folder during one test.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvatek-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        rt::SetExecutableDirOverride(path_);
    }
    ~TempFolder()
    {
        rt::SetExecutableDirOverride("");
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }
    std::string Read(const std::string& name) const { return rt::ReadFileText(File(name)); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

private:
    std::string path_;
};

// Runs `body` with the folder made read-only. Root ignores permission bits, so for root the body
// runs with the effective user switched to "nobody" for its duration.
template <typename Body>
void WithReadOnlyFolder(const std::string& folder, Body body)
{
    namespace fs = std::filesystem;
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const bool root = ::geteuid() == 0;
    if (root && ::seteuid(65534) != 0) {
        throw std::runtime_error("cannot drop privileges for the read-only test");
    }
    try {
        body();
    } catch (...) {
        if (root && ::seteuid(0) != 0) {
            std::abort();
        }
        fs::permissions(folder, fs::perms::owner_all);
        throw;
    }
    if (root && ::seteuid(0) != 0) {
        std::abort();
    }
    fs::permissions(folder, fs::perms::owner_all);
}
