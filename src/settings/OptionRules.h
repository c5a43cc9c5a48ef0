#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Rules of the options window that need no window: the label's colour table,
// the stored form of the colour pair, and the special symbol's stepping.

struct TableColour {
    std::uint8_t red, green, blue;
};

// The 16 colours the label may take, by index: the 16-colour subset of the
// Windows default palette.
inline constexpr int ColourCount = 16;
extern const std::array<TableColour, ColourCount> ColourTable;

struct ColourPair {
    int foreground;
    int background;
    bool operator==(const ColourPair&) const = default;
};

// The pair is stored as one integer: foreground × 100 + background. Decoding
// takes what was stored as it stands, so a hand-edited value may give indices
// outside the table; whoever shows them decides what to do with those.
int EncodeColourPair(ColourPair pair);
ColourPair DecodeColourPair(int stored);

// The characters that may stand in file names for those a file name can't
// hold; the setting is a position in it counted from 1.
inline constexpr std::string_view SpecialSymbols = "!@#$%^&_ -~`";

// The arrow boxes step the position round the set in either direction.
int StepSpecialSymbolBack(int position);
int StepSpecialSymbolForward(int position);

// The character at `position` (1..12).
char SpecialSymbolAt(int position);

// Black or white, whichever reads better on `background` by its brightness.
TableColour ReadableInkOn(TableColour background);
