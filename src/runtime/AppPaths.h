#pragma once

#include <string>

// The folder of the executable, where the settings file, training files, signal logs and the help
// file live. Tests point it at a temporary folder.
namespace rt {

std::string ExecutableDir();
// Path of `fileName` in the executable's folder.
std::string ExecutablePath(const std::string& fileName);
// An empty folder restores the real one.
void SetExecutableDirOverride(const std::string& folder);

}  // namespace rt
