#include "settings/OptionRules.h"

const std::array<TableColour, ColourCount> ColourTable = {{
    {0, 0, 0},       // black
    {128, 0, 0},     // dark red
    {0, 128, 0},     // dark green
    {128, 128, 0},   // olive
    {0, 0, 128},     // navy
    {128, 0, 128},   // purple
    {0, 128, 128},   // teal
    {192, 192, 192}, // silver
    {128, 128, 128}, // grey
    {255, 0, 0},     // red
    {0, 255, 0},     // green
    {255, 255, 0},   // yellow
    {0, 0, 255},     // blue
    {255, 0, 255},   // magenta
    {0, 255, 255},   // cyan
    {255, 255, 255}, // white
}};

int EncodeColourPair(ColourPair pair)
{
    return pair.foreground * 100 + pair.background;
}

ColourPair DecodeColourPair(int stored)
{
    // C++ division truncates toward zero, as the stored form was always read.
    const int foreground = stored / 100;
    return {foreground, stored - foreground * 100};
}

int StepSpecialSymbolBack(int position)
{
    return position > 1 ? position - 1 : static_cast<int>(SpecialSymbols.size());
}

int StepSpecialSymbolForward(int position)
{
    return position < static_cast<int>(SpecialSymbols.size()) ? position + 1 : 1;
}

char SpecialSymbolAt(int position)
{
    return SpecialSymbols.at(static_cast<std::size_t>(position - 1));
}

TableColour ReadableInkOn(TableColour background)
{
    // Weighted as the eye sees brightness; grey (128) still takes black.
    const int brightness = 299 * background.red + 587 * background.green + 114 * background.blue;
    return brightness >= 128 * 1000 ? TableColour{0, 0, 0} : TableColour{255, 255, 255};
}
