#include "runtime/Exceptions.h"

namespace rt {

namespace {
std::string ReplaceFirst(const std::string& pattern, const char* placeholder, const std::string& value)
{
    std::string result = pattern;
    const auto at = result.find(placeholder);
    if (at != std::string::npos) {
        result.replace(at, 2, value);
    }
    return result;
}
}  // namespace

std::string FormatMessage(const std::string& pattern, const std::string& value)
{
    return ReplaceFirst(pattern, "%s", value);
}

std::string FormatMessage(const std::string& pattern, long long value)
{
    return ReplaceFirst(pattern, "%d", std::to_string(value));
}

EFOpenError EFOpenError::ForFile(const std::string& path)
{
    return EFOpenError(FormatMessage("Cannot open file \"%s\". File not found", path));
}

EWriteError EWriteError::ForFile(const std::string& path)
{
    return EWriteError(FormatMessage("Unable to write to %s", path));
}

}  // namespace rt
