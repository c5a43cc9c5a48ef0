#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The whole contents of a file, read in one operation with the file open only
// for it; nothing when the path is empty or the file cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);
// The same for a file of at most `largest` bytes; a larger one is not read.
std::optional<std::string> ReadWholeFile(const std::wstring& path, std::size_t largest);

// Makes `contents` the whole of the file at `path`, creating it when missing,
// without ever leaving it half written or emptied: the bytes go to a new file
// in the same folder, are flushed, and only then take the old file's place.
// On failure the old file keeps its bytes and no temporary file is left. The
// file's attributes (read-only, hidden, system, archive) end as they were in
// every outcome; a read-only file is written all the same.
bool WriteWholeFile(const std::wstring& path, std::string_view contents);
