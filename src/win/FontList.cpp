#include "win/FontList.h"

#include "win/DeviceContext.h"
#include "win/Fonts.h"

#include <windows.h>

namespace {

int CALLBACK CollectFontName(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM found)
{
    // Faces for vertical writing carry an "@" and are no choice for a text.
    if (font->lfFaceName[0] != '@')
        reinterpret_cast<std::set<std::string>*>(found)->insert(font->lfFaceName);
    return 1;
}

std::set<std::string> FontsNamed(const std::string& face)
{
    std::set<std::string> names;
    const WindowDc screen(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, sizeof wanted.lfFaceName - 1);
    EnumFontFamiliesExA(screen.get(), &wanted, CollectFontName, reinterpret_cast<LPARAM>(&names), 0);
    return names;
}

} // namespace

std::set<std::string> ScreenFontNames()
{
    return FontsNamed({});
}

std::string InstalledFontName(const std::string& name)
{
    if (name.empty())
        return {};
    if (lstrcmpiA(name.c_str(), DefaultFontName) == 0)
        return DefaultFontName;
    const std::set<std::string> found = FontsNamed(name);
    return found.size() == 1 ? *found.begin() : std::string();
}
