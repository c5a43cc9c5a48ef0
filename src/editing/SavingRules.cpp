#include "editing/SavingRules.h"

#include "lookup/SafeFileName.h"
#include "player/NowPlaying.h"
#include "settings/SettingsSource.h"

#include <optional>
#include <utility>

namespace {

constexpr std::size_t MaxStatusTextLength = 255;

} // namespace

std::wstring ArtistFolderOf(const NowPlayingSong& song, const SettingsSource& settings)
{
    return settings.TextsPath() + MakeSafeFolderName(song.SongArtist, settings);
}

std::wstring NewTextFileOf(const NowPlayingSong& song, const SettingsSource& settings)
{
    return ArtistFolderOf(song, settings) + L"\\" + MakeSafeFileName(song.SongTitle, settings) + L".txt";
}

std::wstring StatusTextOf(std::wstring_view path, std::wstring_view textsPath)
{
    const std::size_t from = textsPath.empty() ? 0 : textsPath.size() - 1;
    if (from >= path.size())
        return {};
    std::wstring text(path.substr(from, MaxStatusTextLength));
    // The cut never leaves half of a character that takes two units.
    if (text.size() == MaxStatusTextLength && text.back() >= 0xD800 && text.back() <= 0xDBFF)
        text.pop_back();
    return text;
}

std::wstring EditorCommandLine(std::wstring_view program, std::wstring_view file)
{
    std::wstring commandLine;
    commandLine.reserve(program.size() + file.size() + 5);
    if (program.find(L' ') != std::wstring_view::npos)
        commandLine.append(L"\"").append(program).append(L"\"");
    else
        commandLine.append(program);
    commandLine.append(L" \"").append(file).append(L"\"");
    return commandLine;
}

SavePlan PlanSave(std::u16string_view text, const ShownTextFormat& shown, bool modified)
{
    const TextFormat format = shown.format;
    if (format.encoding != TextEncoding::Cp1251 && !modified)
        return {SaveAction::KeepFile, format, {}};
    if (!shown.heldExactly)
        return {SaveAction::Refuse, format, {}};
    if (std::optional<std::string> bytes = EncodeText(text, format))
        return {SaveAction::Write, format, std::move(*bytes)};
    if (format.encoding == TextEncoding::Cp1251) {
        if (std::optional<std::string> bytes = EncodeText(text, Utf8WithMark))
            return {SaveAction::AskToSwitchToUtf8, Utf8WithMark, std::move(*bytes)};
    }
    return {SaveAction::Refuse, format, {}};
}
