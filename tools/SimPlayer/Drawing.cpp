#include "Drawing.h"

namespace {

constexpr COLORREF Background = RGB(16, 16, 28);
constexpr COLORREF Text = RGB(0, 224, 96);
constexpr COLORREF Highlight = RGB(255, 255, 255);
constexpr COLORREF HighlightBackground = RGB(0, 64, 160);
constexpr int Margin = 6;

} // namespace

HFONT CreateDisplayFont()
{
    return CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

void PaintLines(HWND window, HFONT font, const std::vector<std::wstring>& lines, int highlighted)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);

    HBRUSH background = CreateSolidBrush(Background);
    FillRect(dc, &client, background);
    DeleteObject(background);

    HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading + 2;

    SetBkMode(dc, OPAQUE);
    int top = Margin;
    for (int index = 0; index < static_cast<int>(lines.size()) && top < client.bottom; ++index, top += lineHeight) {
        const bool marked = index == highlighted;
        SetTextColor(dc, marked ? Highlight : Text);
        SetBkColor(dc, marked ? HighlightBackground : Background);
        RECT line{Margin, top, client.right - Margin, top + lineHeight};
        const std::wstring& text = lines[static_cast<std::size_t>(index)];
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line,
                  DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
}
