#include "settings/SettingsLoading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cwctype>
#include <map>
#include <string>

namespace {

constexpr int ScreenWidth = 1280;

std::string Lower(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

std::wstring Lower(std::wstring name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); });
    return name;
}

// A registry key in memory: names match whatever their case, and keep the
// case they were first written with. Installed fonts are Arial and Courier New.
struct MemoryKey {
    std::map<std::string, std::pair<std::string, StoredValue>> values;

    void Put(const std::string& name, StoredValue value)
    {
        auto& [written, stored] = values[Lower(name)];
        if (written.empty())
            written = name;
        stored = std::move(value);
    }
    void PutNumber(const std::string& name, int number) { Put(name, {StoredValue::State::Number, number, {}, {}}); }
    void PutUnreadable(const std::string& name)
    {
        Put(name, {StoredValue::State::Unreadable, 0, {}, "Invalid data type for '" + name + "'"});
    }

    LoadedSettings Load() const
    {
        LoadContext context;
        context.read = [this](const StoredSetting& setting) {
            const auto found = values.find(Lower(setting.name));
            return found == values.end() ? StoredValue{} : found->second.second;
        };
        context.screenWidth = ScreenWidth;
        context.installedFont = [](const std::wstring& name) -> std::wstring {
            for (const wchar_t* face : {L"Arial", L"Courier New"})
                if (Lower(name) == Lower(face))
                    return face;
            return {};
        };
        return LoadSettingsFrom(context);
    }

    void Save(const Settings& settings)
    {
        ForEachStoredValue(settings, [this](const StoredSetting& setting, std::optional<int> number,
                                            const std::wstring& text) {
            Put(setting.writtenName, number ? StoredValue{StoredValue::State::Number, *number, {}, {}}
                                            : StoredValue{StoredValue::State::Text, 0, text, {}});
        });
    }
};

// Every stored field of a value, as it would be written.
std::map<std::string, std::wstring> Stored(const Settings& settings)
{
    std::map<std::string, std::wstring> fields;
    ForEachStoredValue(settings, [&](const StoredSetting& setting, std::optional<int> number, const std::wstring& text) {
        fields[setting.writtenName] = number ? std::to_wstring(*number) : L'"' + text + L'"';
    });
    return fields;
}

TEST(SettingsLoadingTest, AnEmptyKeyLoadsTheDefaults)
{
    const LoadedSettings loaded = MemoryKey{}.Load();
    EXPECT_FALSE(loaded.error || loaded.stopped);
    EXPECT_EQ(Stored(loaded.value), Stored(DefaultSettings(ScreenWidth)));
    EXPECT_EQ(Stored(loaded.look), Stored(loaded.value));
    EXPECT_EQ(loaded.value.MaxMemoWidth(), ScreenWidth);
    EXPECT_EQ(loaded.value.SpecialSym(), "_");
    EXPECT_EQ(loaded.value.geometry, WindowGeometry{});
    for (OptionId id : {RefreshIntervalId, MinMemoWidthId, MaxMemoWidthId, UseAnTWidthId, IamawriterId, ClosePadsId})
        EXPECT_FALSE(loaded.value.IsEnabled(id)) << id;
    EXPECT_TRUE(loaded.value.IsEnabled(AutoSaveId) && loaded.value.IsEnabled(AnTFontSizeId));
}

TEST(SettingsLoadingTest, EverySettingComesBackAfterSavingAndTheNextLoad)
{
    Settings saved = DefaultSettings(ScreenWidth);
    // Letters in and outside code page 1251.
    saved.textsPath = L"C:\\Тексты Łódź\\";
    saved.fontBox = "Arial";
    saved.refreshOnTimer = saved.silentMode = saved.autoTrim = saved.lengthIsWidth = saved.openByShell = true;
    saved.showAnT = saved.controlWinamp = saved.showHints = saved.useAnTWidth = saved.autoSave = false;
    saved.refreshInterval = 42;
    saved.memoFontSize = 17;
    saved.anTFontSize = 23;
    saved.minMemoWidth = 321;
    saved.maxMemoWidth = 654;
    saved.ampVer = PlayerGeneration::Winamp3;
    saved.anTColor = {15, 7};
    saved.specialSymPosition = 12;
    saved.geometry = {-4, 17, 410, 520};
    MemoryKey key;
    key.Save(saved);
    EXPECT_EQ(key.values.at("antcolor").first, "AntColor");
    EXPECT_EQ(key.values.at("antcolor").second.number, 1507);
    EXPECT_EQ(key.values.at("antfontsize").second.number, 23) << "the user's size, not the forced 10";

    const LoadedSettings loaded = key.Load();
    EXPECT_EQ(Stored(loaded.value), Stored(saved));
    EXPECT_EQ(loaded.value.geometry, saved.geometry);
    EXPECT_EQ(loaded.value.AnTFontSize(), 10);
    EXPECT_EQ(loaded.value.SpecialSym(), "`");
    // As the mode leaves the options after its switch.
    EXPECT_TRUE(loaded.value.IsEnabled(IamawriterId) && loaded.value.IsEnabled(ClosePadsId));
    EXPECT_FALSE(loaded.value.IsEnabled(AnTFontSizeId) || loaded.value.IsEnabled(ShowToolBarId) ||
                 loaded.value.IsEnabled(AutoSaveId));
}

TEST(SettingsLoadingTest, OddStoredValuesLoadAsTheProgramCanShowThem)
{
    const struct {
        const char* name;
        int stored;
        std::string (*shown)(const Settings&);
        const char* expected;
    } cases[] = {
        {"SpecialSym", 0, [](const Settings& s) { return s.SpecialSym(); }, "_"},
        {"SpecialSym", 13, [](const Settings& s) { return s.SpecialSym(); }, "_"},
        {"SpecialSym", -1, [](const Settings& s) { return s.SpecialSym(); }, "_"},
        {"SpecialSym", 9, [](const Settings& s) { return s.SpecialSym(); }, " "},
        {"MaxMemoWidth", 100000, [](const Settings& s) { return std::to_string(s.maxMemoWidth); }, "1280"},
        {"MaxMemoWidth", -5, [](const Settings& s) { return std::to_string(s.maxMemoWidth); }, "0"},
        {"RefreshInterval", 0, [](const Settings& s) { return std::to_string(s.refreshInterval); }, "1"},
        {"RefreshInterval", 500, [](const Settings& s) { return std::to_string(s.refreshInterval); }, "99"},
        {"AnTFontSize", 3, [](const Settings& s) { return std::to_string(s.anTFontSize); }, "5"},
        {"SilentMode", 7, [](const Settings& s) { return std::to_string(s.silentMode); }, "1"},
        {"AmpVer", 5, [](const Settings& s) { return std::to_string(s.AmpVer()); }, "1"},
        {"AmpVer", -7, [](const Settings& s) { return std::to_string(s.AmpVer()); }, "-1"},
        // Indices outside the table are refused, and the designed pick stays.
        {"AnTColor", 2299, [](const Settings& s) { return std::to_string(EncodeColourPair(s.anTColor)); }, "0"},
        {"AnTColor", 1599, [](const Settings& s) { return std::to_string(EncodeColourPair(s.anTColor)); }, "1500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " = " << c.stored);
        MemoryKey key;
        key.PutNumber(c.name, c.stored);
        EXPECT_EQ(c.shown(key.Load().value), c.expected);
    }
    MemoryKey key;
    key.Put("FontName", {StoredValue::State::Text, 0, L"courier NEW", {}});
    EXPECT_EQ(key.Load().value.fontBox, "Courier New");
    key.Put("FontName", {StoredValue::State::Text, 0, L"No Such Face", {}});
    EXPECT_EQ(key.Load().value.fontBox, "") << "an uninstalled font is no font";
}

TEST(SettingsLoadingTest, AValueOfTheWrongTypeStopsTheLoadingThere)
{
    MemoryKey key;
    key.PutNumber("ShowAnT", 0);
    key.PutUnreadable("Toolbar");
    const LoadedSettings loaded = key.Load();
    EXPECT_EQ(loaded.error, "Invalid data type for 'Toolbar'");
    EXPECT_TRUE(loaded.stopped);
    EXPECT_TRUE(loaded.value.autoSave) << "loaded before the bad value";
    EXPECT_EQ(loaded.value.anTFontSize, 10);
    EXPECT_FALSE(loaded.value.closePads) << "the designed state after it";
    EXPECT_TRUE(loaded.value.showAnT) << "never loaded";
    EXPECT_EQ(loaded.value.anTColor, (ColourPair{0, 0}));
    // The window keeps its own design where nothing was loaded.
    EXPECT_TRUE(loaded.look.closePads);
    EXPECT_EQ(loaded.look.anTColor, (ColourPair{0, 7}));
    EXPECT_EQ(loaded.look.maxMemoWidth, ScreenWidth);

    // A size that cannot be read is reported; the rest loads.
    MemoryKey sizes;
    sizes.PutUnreadable("Width");
    sizes.PutNumber("Height", 444);
    sizes.PutNumber("ShowHints", 0);
    const LoadedSettings sized = sizes.Load();
    EXPECT_EQ(sized.error, "Invalid data type for 'Width'");
    EXPECT_FALSE(sized.stopped);
    EXPECT_EQ(sized.value.geometry, (WindowGeometry{std::nullopt, std::nullopt, 200, 444}));
    EXPECT_FALSE(sized.value.showHints);
}

} // namespace
