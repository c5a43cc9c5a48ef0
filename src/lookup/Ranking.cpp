#include "lookup/Ranking.h"

std::string_view FileNameOf(std::string_view path)
{
    const auto backslash = path.rfind('\\');
    return backslash == std::string_view::npos ? path : path.substr(backslash + 1);
}

std::size_t MismatchPosition(std::string_view fileName, std::string_view title)
{
    const auto found = fileName.find(title);
    return found == std::string_view::npos ? fileName.size() : found + 1;
}

std::size_t BestCandidate(const CandidateList& candidates, std::string_view songTitle)
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
