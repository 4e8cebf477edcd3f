#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rt {

// Sectioned key=value file. Section and key names match without regard to case. Every call opens
// and releases the file; nothing is cached, so a value written anywhere is seen by the next read.
class TIniFile {
public:
    explicit TIniFile(std::string path) : path_(std::move(path)) {}

    const std::string& FileName() const { return path_; }

    // A missing file, section or key gives `defaultValue`.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // As ReadString; a value that is not a whole number also gives the default.
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t defaultValue) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value) const;
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value) const;
    // Several keys of one section in one atomic replacement of the file; every other line stays.
    void WriteStrings(const std::string& section, const std::vector<std::pair<std::string, std::string>>& values) const;

private:
    std::string path_;
};

}  // namespace rt
