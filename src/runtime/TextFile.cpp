#include "runtime/TextFile.h"

#include "runtime/Exceptions.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {

bool TryReadFileText(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string ReadFileText(const std::string& path)
{
    std::string text;
    if (!TryReadFileText(path, text)) {
        throw EFOpenError::ForFile(path);
    }
    return text;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending) {
        lines.push_back(std::move(current));
    }
    return lines;
}

void WriteFileAtomic(const std::string& path, const std::string& text)
{
    std::string temp = path + ".tmpXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        throw EWriteError::ForFile(path);
    }
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < text.size()) {
        const auto n = ::write(fd, text.data() + written, text.size() - written);
        if (n <= 0) {
            ok = false;
        } else {
            written += static_cast<std::size_t>(n);
        }
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    // mkstemp creates 0600; a settings or data file is an ordinary user file.
    ::chmod(temp.c_str(), 0644);
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        throw EWriteError::ForFile(path);
    }
}

}  // namespace rt
