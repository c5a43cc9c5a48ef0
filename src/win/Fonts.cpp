#include "win/Fonts.h"

#include <windows.h>

UniqueGdiObject MakeFont(const std::string& face, int pixelHeight, int weight)
{
    LOGFONTA font = {};
    if (face == DefaultFontName)
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    else
        face.copy(font.lfFaceName, sizeof font.lfFaceName - 1);
    font.lfHeight = -pixelHeight;
    font.lfWidth = 0;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    return UniqueGdiObject(CreateFontIndirectA(&font));
}

UniqueGdiObject MakePointFont(const std::string& face, int points, int weight, DisplayScale scale)
{
    return MakeFont(face, scale.FontPixels(points), weight);
}

UniqueGdiObject MakeFormFont(DisplayScale scale)
{
    return MakePointFont("MS Sans Serif", 8, FW_NORMAL, scale);
}
