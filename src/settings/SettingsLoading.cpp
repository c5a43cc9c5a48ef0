#include "settings/SettingsLoading.h"

#include "settings/SettingsRules.h"

#include <string_view>

namespace {

using State = StoredValue::State;

// Takes one row's stored value, or its default, into the value; returns
// whether the field changed.
bool LoadRow(const StoredSetting& setting, const StoredValue& stored, const LoadContext& context, Settings& value)
{
    if (setting.kind == StoredKind::String) {
        std::wstring text = stored.state == State::Text ? stored.text : setting.defaultText;
        if (setting.option == FontBoxId)
            text = context.installedFont ? context.installedFont(text) : text;
        if (setting.text(value) == text)
            return false;
        setting.setText(value, text);
        return true;
    }
    if (stored.state != State::Number && setting.kind == StoredKind::Place)
        return false;
    const int fallback = setting.defaultNumber == ScreenWidthDefault ? context.screenWidth : setting.defaultNumber;
    const int number = LoadedNumber(setting, stored.state == State::Number ? stored.number : fallback,
                                    context.screenWidth);
    const std::optional<int> before = setting.number(value);
    setting.setNumber(value, number);
    return setting.number(value) != before;
}

} // namespace

Settings DefaultSettings(int screenWidth)
{
    Settings defaults;
    defaults.maxMemoWidth = screenWidth;
    return defaults;
}

LoadedSettings LoadSettingsFrom(const LoadContext& context)
{
    LoadedSettings loaded{DesignedSettings(), DefaultSettings(context.screenWidth), std::nullopt, false};
    const auto rows = StoredSettings();
    std::size_t row = 0;
    for (; row < rows.size(); ++row) {
        const StoredSetting& setting = rows[row];
        const StoredValue stored = context.read(setting);
        if (stored.state == State::Unreadable) {
            loaded.error = stored.error;
            // A size that cannot be read is only reported, as the window
            // takes its designed size; anything else stops the loading here.
            if (setting.option == NoOptionId && setting.kind != StoredKind::Place)
                continue;
            loaded.stopped = true;
            break;
        }
        if (LoadRow(setting, stored, context, loaded.value) && setting.option != NoOptionId)
            ApplySettingChange(loaded.value, setting.option, nullptr);
    }
    // The window shows what was loaded, and its own design for the rest.
    const Settings defaults = loaded.look;
    loaded.look = loaded.value;
    for (; row < rows.size(); ++row) {
        const StoredSetting& setting = rows[row];
        if (setting.kind == StoredKind::String)
            setting.setText(loaded.look, setting.text(defaults));
        else if (const std::optional<int> number = setting.number(defaults))
            setting.setNumber(loaded.look, *number);
    }
    return loaded;
}

void ForEachStoredValue(const Settings& settings,
                        const std::function<void(const StoredSetting&, std::optional<int>, const std::wstring&)>& write)
{
    const auto writeRow = [&](const StoredSetting& setting) {
        if (setting.kind == StoredKind::String)
            write(setting, std::nullopt, setting.text(settings));
        else if (const std::optional<int> number = setting.number(settings))
            write(setting, number, {});
    };
    // The options first, then the window's place and size, as always written.
    for (const StoredSetting& setting : StoredSettings())
        if (setting.option != NoOptionId)
            writeRow(setting);
    for (const std::string_view name : {"Left", "Top", "Width", "Height"})
        for (const StoredSetting& setting : StoredSettings())
            if (setting.option == NoOptionId && name == setting.name)
                writeRow(setting);
}
