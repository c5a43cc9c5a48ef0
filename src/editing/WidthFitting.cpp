#include "editing/WidthFitting.h"

#include "editing/TextEncoding.h"
#include "editing/TextLines.h"
#include "editing/WidthArithmetic.h"
#include "editing/TextArea.h"
#include "settings/SettingsSource.h"
#include "win/DeviceContext.h"
#include "win/FileText.h"
#include "win/MessageBoxes.h"
#include "win/UniqueHandle.h"
#include "win/WindowDpi.h"
#include "win/WindowText.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

// Text widths in one font, on a memory device context of the screen's kind,
// which gets its own font back at the end.
class TextMeasure {
public:
    explicit TextMeasure(HFONT font)
        : context_(CreateCompatibleDC(nullptr)),
          selectedFont_(context_.get(), font ? font : GetStockObject(SYSTEM_FONT))
    {
    }
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // The advance width of the characters; tabs are not expanded.
    int Width(std::string_view text) const
    {
        SIZE size{};
        if (!context_ || text.empty())
            return 0;
        GetTextExtentPoint32A(context_.get(), text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    int Width(std::u16string_view text) const
    {
        SIZE size{};
        if (!context_ || text.empty())
            return 0;
        GetTextExtentPoint32W(context_.get(), reinterpret_cast<const wchar_t*>(text.data()),
                              static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    UniqueMemoryDeviceContext context_;
    SelectedObject selectedFont_;
};

int CaptionWidth(HWND label, std::wstring_view appended)
{
    std::wstring caption = UnicodeWindowText(label);
    caption.append(appended);
    const TextMeasure measure(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    return measure.Width(std::u16string_view(reinterpret_cast<const char16_t*>(caption.data()), caption.size()));
}

int OuterWidth(HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    return outer.right - outer.left;
}

int ClientWidth(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return client.right - client.left;
}

void SetOuterWidth(HWND window, int width)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, width, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// The frame as it stands now, menu bar included, rather than as the window's
// style alone would make it.
void SetClientWidth(HWND window, int width)
{
    SetOuterWidth(window, width + OuterWidth(window) - ClientWidth(window));
}

// The bounds are stored in design units; the window measures in its own pixels.
WidthLimits LimitsInPixels(HWND mainWindow, const SettingsSource& settings)
{
    const DisplayScale scale = WindowScale(mainWindow);
    return {scale.Pixels(settings.MinMemoWidth()), scale.Pixels(settings.MaxMemoWidth())};
}

class WindowClientWidth final : public AdjustableWidth {
public:
    explicit WindowClientWidth(HWND window) : window_(window) {}
    int Width() const override { return ClientWidth(window_); }
    void SetWidth(int width) override { SetClientWidth(window_, width); }

private:
    HWND window_;
};

} // namespace

bool FitWindowWidth(HWND mainWindow, const TextArea& memo, HWND artistAndTitle, const std::wstring& textFile,
                    const SettingsSource& settings)
{
    const std::optional<std::string> contents = ReadWholeFile(textFile);
    if (!contents) {
        ReportError(mainWindow, L"Cannot open file " + textFile);
        return false;
    }

    int widest = 0;
    {
        const UniqueFont memoFont = memo.TextFont();
        const TextMeasure measure(memoFont.get());
        const auto measureLine = [&](auto line, auto) { widest = std::max(widest, measure.Width(line)); };
        // Code page 1251 as it always was measured; other files as decoded.
        if (const DecodedText decoded = DecodeText(*contents); decoded.format == Cp1251Format)
            ForEachLine(*contents, measureLine);
        else
            ForEachLine(decoded.text, measureLine);
    }
    if (settings.UseAnTWidth())
        widest = std::max(widest, CaptionWidth(artistAndTitle, {}));

    const int allowance = OuterWidth(mainWindow) - ClientWidth(memo.Window());
    const int scrollBar = SystemMetricAt(SM_CYHSCROLL, WindowScale(mainWindow));
    SetClientWidth(mainWindow,
                   FittedClientWidth(widest, LimitsInPixels(mainWindow, settings), allowance, scrollBar));
    return true;
}

void FitWidthToArtistAndTitle(HWND mainWindow, HWND artistAndTitle, const SettingsSource& settings)
{
    if (!settings.UseAnTWidthEnabled() || !settings.UseAnTWidth())
        return;
    WindowClientWidth window(mainWindow);
    SetWidthWithinLimits(window, CaptionWidth(artistAndTitle, L"  "), LimitsInPixels(mainWindow, settings));
}

void ShrinkToMinimumWidth(HWND mainWindow, const SettingsSource& settings)
{
    if (settings.LengthIsWidthEnabled() && settings.LengthIsWidth() && !settings.UseAnTWidth())
        SetOuterWidth(mainWindow, WindowScale(mainWindow).Pixels(settings.MinMemoWidth()));
}
