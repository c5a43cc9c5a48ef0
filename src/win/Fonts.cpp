#include "win/Fonts.h"

#include "win/DeviceContext.h"

#include <windows.h>

int PointsToPixels(int points)
{
    const WindowDc screen(nullptr);
    return MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
}

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

UniqueGdiObject MakeFormFont()
{
    return MakeFont("MS Sans Serif", PointsToPixels(8), FW_NORMAL);
}
