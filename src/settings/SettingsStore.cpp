#include "settings/SettingsStore.h"

#include "settings/SettingsKey.h"
#include "win/CodePage.h"
#include "win/FontList.h"
#include "win/MessageBoxes.h"
#include "win/Registry.h"
#include "win/WindowDpi.h"

#include <stdexcept>
#include <string>

namespace {

StoredValue ReadStored(HKEY key, const StoredSetting& setting)
{
    StoredValue stored;
    try {
        if (setting.kind == StoredKind::String) {
            if (std::optional<std::wstring> text = ReadStoredString(key, setting.name)) {
                stored.state = StoredValue::State::Text;
                stored.text = std::move(*text);
            }
        } else if (const std::optional<std::int32_t> number = ReadStoredInteger(key, setting.name)) {
            stored.state = StoredValue::State::Number;
            stored.number = *number;
        }
    } catch (const std::runtime_error& error) {
        stored.state = StoredValue::State::Unreadable;
        stored.error = error.what();
    }
    return stored;
}

} // namespace

LoadedSettings LoadSettings()
{
    const UniqueRegistryKey key = OpenSettingsKey();
    LoadContext context;
    context.read = [&key](const StoredSetting& setting) { return ReadStored(key.get(), setting); };
    context.screenWidth = ScreenWidthInDesignUnits();
    context.installedFont = [](const std::wstring& name) { return WideFromAnsi(InstalledFontName(AnsiFromWide(name))); };
    return LoadSettingsFrom(context);
}

void SaveSettings(const Settings& settings, HWND reportOwner)
{
    const UniqueRegistryKey key = OpenSettingsKey();
    std::string refused;
    ForEachStoredValue(settings, [&](const StoredSetting& setting, std::optional<int> number, const std::wstring& text) {
        LONG status = ERROR_INVALID_HANDLE;
        if (key)
            status = number ? WriteRegistryDword(key.get(), setting.writtenName, static_cast<DWORD>(*number))
                            : WriteRegistryString(key.get(), setting.writtenName, text);
        if (status != ERROR_SUCCESS && refused.empty())
            refused = setting.writtenName;
    });
    if (!refused.empty())
        ReportError(reportOwner, "Failed to set data for '" + refused + "'");
}
