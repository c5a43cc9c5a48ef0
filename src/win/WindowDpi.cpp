#include "win/WindowDpi.h"

#include "win/DeviceContext.h"
#include "win/LateBinding.h"

namespace {

// An atom of our own, so that setting the property adds no reference to a string's.
const char* ScaleProperty()
{
    static const ATOM atom = GlobalAddAtomA("Sonvera.Dpi");
    return MAKEINTATOM(atom);
}

using GetDpiForWindowFunction = UINT WINAPI(HWND);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int WINAPI(int, UINT);

// user32 is loaded already: looking its functions up costs no library load.
template <typename Function>
Function* User32Function(const char* name)
{
    return LateFunction<Function>("user32.dll", name);
}

} // namespace

DisplayScale SystemScale()
{
    const WindowDc screen(nullptr);
    return DisplayScale(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

DisplayScale MonitorScale(HWND window)
{
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi ? DisplayScale(static_cast<int>(dpi)) : SystemScale();
}

DisplayScale WindowScale(HWND window)
{
    HWND topLevel = window ? GetAncestor(window, GA_ROOT) : nullptr;
    const auto kept = reinterpret_cast<INT_PTR>(topLevel ? GetPropA(topLevel, ScaleProperty()) : nullptr);
    return kept ? DisplayScale(static_cast<int>(kept)) : MonitorScale(topLevel);
}

void KeepWindowScale(HWND window, DisplayScale scale)
{
    HWND topLevel = GetAncestor(window, GA_ROOT);
    if (topLevel)
        SetPropA(topLevel, ScaleProperty(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(scale.Dpi())));
}

void ForgetWindowScale(HWND window)
{
    RemovePropA(window, ScaleProperty());
}

RECT ScaledRect(const RECT& design, DisplayScale scale)
{
    return {scale.Pixels(design.left), scale.Pixels(design.top), scale.Pixels(design.right),
            scale.Pixels(design.bottom)};
}

SIZE FrameSizeAround(SIZE client, DWORD style, DWORD exStyle, DisplayScale scale)
{
    static const auto adjustForDpi = User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(scale.Dpi())))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

int SystemMetricAt(int index, DisplayScale scale)
{
    static const auto metricForDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    return metricForDpi ? metricForDpi(index, static_cast<UINT>(scale.Dpi())) : GetSystemMetrics(index);
}

int ScreenWidthInDesignUnits()
{
    return SystemScale().DesignUnits(GetSystemMetrics(SM_CXSCREEN));
}
