#include "runtime/AppPaths.h"

#include <filesystem>
#include <system_error>

namespace rt {

namespace {
std::string& Override()
{
    static std::string folder;
    return folder;
}
}  // namespace

std::string ExecutableDir()
{
    if (!Override().empty()) {
        return Override();
    }
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path().string();
    }
    return exe.parent_path().string();
}

std::string ExecutablePath(const std::string& fileName)
{
    return (std::filesystem::path(ExecutableDir()) / fileName).string();
}

void SetExecutableDirOverride(const std::string& folder) { Override() = folder; }

}  // namespace rt
