#pragma once

#include "win/DisplayScale.h"
#include "win/UniqueHandle.h"

#include <string>

// The font list's entry for the system's default user-interface font.
inline constexpr char DefaultFontName[] = "Default";

// A font of `face` whose characters, internal leading aside, are
// `pixelHeight` high; default character set, precision and quality. The face
// "Default" stands for the system's default user-interface font.
UniqueGdiObject MakeFont(const std::string& face, int pixelHeight, int weight);

// A font of `points` at `scale`.
UniqueGdiObject MakePointFont(const std::string& face, int points, int weight, DisplayScale scale);

// "MS Sans Serif" 8 point, the face of the program's forms.
UniqueGdiObject MakeFormFont(DisplayScale scale);
