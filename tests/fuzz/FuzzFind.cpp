// A text's bytes after a first line that is the query: whatever the file
// holds, a text found by its words shows a line that holds one, a text is
// found by the words of its own name, and taking a folder out leaves nothing.
#include "find/TextIndex.h"
#include "fuzz/FuzzUnits.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = std::min(input.find('\n'), input.size());
    const FindQuery query(UnitsOf(input.substr(0, lineEnd)));
    const std::string bytes(input.substr(std::min(lineEnd + 1, input.size())));

    TextIndex index;
    const std::wstring path = L"Artist\\" + UnitsOf(input.substr(0, std::min<std::size_t>(lineEnd, 12))) + L".txt";
    if (auto text = PrepareText(path, bytes))
        index.Put(std::move(*text));
    else
        index.MarkBad(path);
    for (const TextIndex::Hit& hit : index.Find(query))
        if (!hit.byName && index.MatchingLine(hit.text, query).empty())
            std::abort();
    if (index.TextCount() == 1 && index.Find(FindQuery(index.NameOf(0))).size() != 1)
        std::abort();
    index.Remove(L"ARTIST");
    if (index.TextCount() + index.BadCount() != 0)
        std::abort();
    return 0;
}
