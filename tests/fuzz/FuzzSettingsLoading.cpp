// Any registry contents: each stored setting missing, a number, a text of one
// repeated UTF-16 unit (an unpaired surrogate or a letter outside code page
// 1251 too) or of the wrong type. Loading never fails, every field it fills is
// one the options window can show, and what it loads is saved and loaded again
// unchanged.
#include "settings/SettingsLoading.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr int ScreenWidth = 1920;

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return position_ < size_ ? data_[position_++] : 0; }
    int NextNumber()
    {
        std::uint32_t number = 0;
        for (int byte = 0; byte < 4; ++byte)
            number = number << 8 | Next();
        return static_cast<int>(number);
    }
    // Two bytes as one UTF-16 unit, high byte first.
    wchar_t NextUnit()
    {
        const unsigned high = Next();
        return static_cast<wchar_t>(high << 8 | Next());
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

LoadedSettings Load(const std::map<std::string, StoredValue>& stored)
{
    LoadContext context;
    context.read = [&stored](const StoredSetting& setting) {
        const auto found = stored.find(setting.name);
        return found == stored.end() ? StoredValue{} : found->second;
    };
    context.screenWidth = ScreenWidth;
    context.installedFont = [](const std::wstring& name) { return name.size() % 2 ? name : std::wstring(); };
    return LoadSettingsFrom(context);
}

bool Within(int value, int minimum, int maximum)
{
    return value >= minimum && value <= maximum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    std::map<std::string, StoredValue> stored;
    for (const StoredSetting& setting : StoredSettings()) {
        StoredValue value;
        switch (bytes.Next() % 4) {
        case 0: break;
        case 1: value = {StoredValue::State::Number, bytes.NextNumber(), {}, {}}; break;
        case 2: {
            const std::size_t length = bytes.Next() % 5;
            value = {StoredValue::State::Text, 0, std::wstring(length, bytes.NextUnit()), {}};
            break;
        }
        default: value = {StoredValue::State::Unreadable, 0, {}, "bad"}; break;
        }
        stored[setting.name] = value;
    }
    const LoadedSettings loaded = Load(stored);
    for (const Settings* settings : {&loaded.value, &loaded.look}) {
        if (!Within(settings->refreshInterval, 1, 99) || !Within(settings->memoFontSize, 1, 99) ||
            !Within(settings->anTFontSize, 5, 50) || !Within(settings->maxMemoWidth, 0, ScreenWidth) ||
            !Within(settings->minMemoWidth, 1, 800) || !Within(settings->anTColor.foreground, 0, 15) ||
            !Within(settings->anTColor.background, 0, 15) || !Within(settings->AmpVer(), -1, 1) ||
            SpecialSymbols.find(settings->SpecialSym()[0]) == std::string_view::npos)
            std::abort();
    }
    if (loaded.stopped)
        return 0;
    // Saved and loaded again, the value is the same.
    std::map<std::string, StoredValue> saved;
    ForEachStoredValue(loaded.value, [&](const StoredSetting& setting, std::optional<int> number, const std::wstring& text) {
        saved[setting.name] = number ? StoredValue{StoredValue::State::Number, *number, {}, {}}
                                     : StoredValue{StoredValue::State::Text, 0, text, {}};
    });
    const Settings again = Load(saved).value;
    ForEachStoredValue(again, [&](const StoredSetting& setting, std::optional<int> number, const std::wstring& text) {
        const StoredValue& before = saved.at(setting.name);
        if (number ? before.number != *number : before.text != text)
            std::abort();
    });
    return 0;
}
