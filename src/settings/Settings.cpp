#include "settings/Settings.h"

void Settings::Enable(OptionId control, bool enabled)
{
    if (enabled)
        disabled_.erase(control);
    else
        disabled_.insert(control);
}

std::string Settings::SpecialSym() const
{
    const bool valid = specialSymPosition >= 1 && specialSymPosition <= static_cast<int>(SpecialSymbols.size());
    return std::string(1, valid ? SpecialSymbolAt(specialSymPosition) : '_');
}

Settings DesignedSettings()
{
    Settings designed;
    designed.fontBox.clear();
    designed.memoFontSize = 1;
    designed.anTFontSize = 50;
    designed.autoSave = false;
    designed.maxMemoWidth = 1;
    // The position is unset; the box shows the underscore all the same.
    designed.specialSymPosition = 0;
    designed.anTColor = {0, 0};
    designed.closePads = false;
    designed.useAnTWidth = false;
    return designed;
}
