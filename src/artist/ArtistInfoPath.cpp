#include "artist/ArtistInfoPath.h"

#include <utility>

namespace {

constexpr std::wstring_view InfoFileName = L"\\Sonvera Artist info.txt";
constexpr std::wstring_view Separators = L"\\/";

// Windows drops trailing dots and spaces from names, so ". ." or ".. " may
// step up a folder as ".." does: every name of dots and spaces but "." counts.
bool StepsUp(std::wstring_view name)
{
    return name != L"." && name.find(L'.') != std::wstring_view::npos &&
           name.find_first_not_of(L". ") == std::wstring_view::npos;
}

bool StaysBelow(std::wstring_view textsPath, std::wstring_view artist)
{
    // A colon names a drive or a stream, never a folder.
    if (artist.find(L':') != std::wstring_view::npos)
        return false;
    // Below an empty texts path a leading separator means the drive's root or a share.
    if (textsPath.empty() && !artist.empty() && Separators.find(artist.front()) != std::wstring_view::npos)
        return false;
    // Without a separator at its end, the artist's first name lengthens the
    // texts folder's own last name.
    const bool lengthensLastName = !textsPath.empty() && Separators.find(textsPath.back()) == std::wstring_view::npos;
    const std::size_t lastNameStart = textsPath.find_last_of(Separators);
    const std::wstring_view lastName =
        lastNameStart == std::wstring_view::npos ? textsPath : textsPath.substr(lastNameStart + 1);

    int depth = 0;
    for (std::size_t start = 0; start <= artist.size();) {
        std::size_t end = artist.find_first_of(Separators, start);
        if (end == std::wstring_view::npos)
            end = artist.size();
        const std::wstring_view name = artist.substr(start, end - start);
        if (start == 0 && lengthensLastName) {
            if (!name.empty() && StepsUp(std::wstring(lastName).append(name)))
                return false;
        } else if (StepsUp(name)) {
            if (--depth < 0)
                return false;
        } else if (!name.empty() && name != L".") {
            ++depth;
        }
        start = end + 1;
    }
    return true;
}

} // namespace

ArtistInfoFile ArtistInfoFileOf(std::wstring_view textsPath, std::wstring_view artist)
{
    std::wstring path;
    path.reserve(textsPath.size() + artist.size() + InfoFileName.size());
    path.append(textsPath).append(artist).append(InfoFileName);
    return {std::move(path), StaysBelow(textsPath, artist)};
}
