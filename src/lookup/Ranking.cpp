#include "lookup/Ranking.h"

std::wstring_view FileNameOf(std::wstring_view path)
{
    const auto backslash = path.rfind(L'\\');
    return backslash == std::wstring_view::npos ? path : path.substr(backslash + 1);
}

std::size_t MismatchPosition(std::wstring_view fileName, std::wstring_view title)
{
    const auto found = fileName.find(title);
    return found == std::wstring_view::npos ? fileName.size() : found + 1;
}

std::size_t BestCandidate(const CandidateList& candidates, std::wstring_view songTitle)
{
    std::size_t bestIndex = 0;
    std::size_t bestKey = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::size_t key = MismatchPosition(FileNameOf(candidates[i]), songTitle);
        if (i == 0 || key < bestKey) {
            bestKey = key;
            bestIndex = i;
        }
    }
    return bestIndex;
}
