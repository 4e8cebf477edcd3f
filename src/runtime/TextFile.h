#pragma once

#include <string>
#include <vector>

namespace rt {

// Whole file as bytes; raises EFOpenError naming the file when it cannot be opened.
std::string ReadFileText(const std::string& path);
bool TryReadFileText(const std::string& path, std::string& text);

// Lines ended by CR LF, a lone LF or a lone CR; a final line without an ending counts, a final
// ending does not start an empty line.
std::vector<std::string> SplitLines(const std::string& text);

// Replaces `path` atomically: the text goes to a temporary file in the same folder, which is then
// renamed over the target, so a failed write leaves the previous file whole. Raises EWriteError
// "Unable to write to <path>".
void WriteFileAtomic(const std::string& path, const std::string& text);

}  // namespace rt
