// Any list of paths (split at newlines) and any title: the ranking picks an
// entry of the list whose key no other entry beats.
#include "lookup/Ranking.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\n');
    if (split == std::string_view::npos)
        return 0;
    const std::string_view title = input.substr(0, split);

    CandidateList candidates;
    for (std::string_view rest = input.substr(split + 1); !rest.empty();) {
        const auto end = rest.find('\n');
        candidates.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (candidates.empty())
        return 0;

    const std::size_t best = BestCandidate(candidates, title);
    if (best >= candidates.size())
        std::abort();
    const std::size_t bestKey = MismatchPosition(FileNameOf(candidates[best]), title);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::string_view name = FileNameOf(candidates[i]);
        if (name.size() > candidates[i].size())
            std::abort();
        const std::size_t key = MismatchPosition(name, title);
        if (key < bestKey || (key == bestKey && i < best))
            std::abort();
    }
    return 0;
}
