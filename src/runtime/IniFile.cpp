#include "runtime/IniFile.h"

#include "runtime/Convert.h"
#include "runtime/TextFile.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace rt {

namespace {

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string_view> SectionName(std::string_view line)
{
    line = TrimControl(line);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        return TrimControl(line.substr(1, line.size() - 2));
    }
    return std::nullopt;
}

// Key and value of a key=value line; comments and other lines give nothing.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view line)
{
    const std::string_view trimmed = TrimControl(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return std::nullopt;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return std::make_pair(TrimControl(line.substr(0, eq)), TrimControl(line.substr(eq + 1)));
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const
{
    std::string text;
    if (!TryReadFileText(path_, text)) {
        return defaultValue;
    }
    bool inSection = false;
    for (const auto& line : SplitLines(text)) {
        if (const auto name = SectionName(line)) {
            inSection = SameText(*name, section);
        } else if (inSection) {
            if (const auto kv = KeyValue(line); kv && SameText(kv->first, key)) {
                return std::string(kv->second);
            }
        }
    }
    return defaultValue;
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t defaultValue) const
{
    std::int32_t value = defaultValue;
    if (!TryStrToInt(ReadString(section, key, std::string()), value)) {
        return defaultValue;
    }
    return value;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const
{
    WriteStrings(section, {{key, value}});
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) const
{
    WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteStrings(const std::string& section,
                            const std::vector<std::pair<std::string, std::string>>& values) const
{
    std::string text;
    TryReadFileText(path_, text);
    std::vector<std::string> lines = SplitLines(text);
    // Keep the file's own line ending; a new file gets CR LF.
    const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n"
                            : text.find('\n') != std::string::npos ? "\n"
                                                                     : "\r\n";

    for (const auto& [key, value] : values) {
        std::optional<std::size_t> sectionLine;
        std::optional<std::size_t> keyLine;
        std::size_t lastContent = 0;
        bool inSection = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (const auto name = SectionName(lines[i])) {
                inSection = SameText(*name, section);
                if (inSection && !sectionLine) {
                    sectionLine = i;
                    lastContent = i;
                }
            } else if (inSection && sectionLine) {
                if (!TrimControl(lines[i]).empty()) {
                    lastContent = i;
                }
                if (const auto kv = KeyValue(lines[i]); kv && !keyLine && SameText(kv->first, key)) {
                    keyLine = i;
                }
            }
        }
        const std::string entry = key + "=" + value;
        if (keyLine) {
            lines[*keyLine] = entry;
        } else if (sectionLine) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastContent) + 1, entry);
        } else {
            if (!lines.empty() && !TrimControl(lines.back()).empty()) {
                lines.emplace_back();
            }
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }

    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += eol;
    }
    WriteFileAtomic(path_, out);
}

}  // namespace rt
