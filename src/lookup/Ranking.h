#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Full paths of matching text files, in the order the folder enumeration met them.
using CandidateList = std::vector<std::wstring>;

// The part of `path` after its last backslash, or the whole path without one.
std::wstring_view FileNameOf(std::wstring_view path);

// Where `title` first occurs in `fileName`, counted from 1 and compared unit
// for unit; the length of the file name when it does not occur at all.
std::size_t MismatchPosition(std::wstring_view fileName, std::wstring_view title);

// The index of the candidate whose file name holds `songTitle` earliest; the
// first of equals wins. An empty list gives 0, which callers never ask for.
std::size_t BestCandidate(const CandidateList& candidates, std::wstring_view songTitle);
