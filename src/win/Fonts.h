#pragma once

#include "win/UniqueHandle.h"

#include <string>

// Points to pixels on the screen, as a font's character height.
int PointsToPixels(int points);

// The font list's entry for the system's default user-interface font.
inline constexpr char DefaultFontName[] = "Default";

// A font of `face` whose characters, internal leading aside, are
// `pixelHeight` high; default character set, precision and quality. The face
// "Default" stands for the system's default user-interface font.
UniqueGdiObject MakeFont(const std::string& face, int pixelHeight, int weight);

// "MS Sans Serif" 8 point, the face of the program's forms.
UniqueGdiObject MakeFormFont();
