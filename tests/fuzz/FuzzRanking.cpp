// Any list of paths (split at newlines) and any title, unpaired surrogates and
// letters outside code page 1251 included: the ranking picks the entry that a
// plain reading of the rule picks, worked out here step by step.
#include "editing/TextEncoding.h"
#include "lookup/Ranking.h"
#include "FuzzUnits.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The key, straight from its description: the 1-based position of the first
// place where the title's units all match, else the name's length.
std::size_t ExpectedKey(const std::wstring& path, const std::wstring& title)
{
    const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    for (std::size_t at = 0; at + title.size() <= name.size(); ++at)
        if (name.compare(at, title.size(), title) == 0)
            return at + 1;
    return name.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring input = UnitsOf(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto split = input.find(L'\n');
    if (split == std::wstring::npos)
        return 0;
    const std::wstring title = input.substr(0, split);

    CandidateList candidates;
    std::vector<std::size_t> keys;
    std::size_t expected = 0;
    for (std::size_t from = split + 1; from <= input.size();) {
        const std::size_t end = std::min(input.find(L'\n', from), input.size());
        candidates.push_back(input.substr(from, end - from));
        keys.push_back(ExpectedKey(candidates.back(), title));
        if (keys.back() < keys[expected])
            expected = keys.size() - 1;
        from = end + 1;
    }

    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (MismatchPosition(FileNameOf(candidates[i]), title) != keys[i])
            std::abort();
    if (BestCandidate(candidates, title) != expected)
        std::abort();
    return 0;
}
