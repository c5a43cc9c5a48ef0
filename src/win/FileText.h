#pragma once

#include <optional>
#include <string>

// The whole contents of a file, read in one operation with the file open only
// for it; nothing when the path is empty or the file cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);
