#include "settings/ColourGrid.h"

#include "settings/OptionRules.h"
#include "win/DeviceContext.h"
#include "win/UniqueHandle.h"
#include "win/WindowClass.h"
#include "win/WindowProcedure.h"

#include <windowsx.h>

namespace {

constexpr char ClassName[] = "SonveraColourGrid";
constexpr int Columns = 8;
constexpr int Rows = 2;

COLORREF TableColourRef(int index)
{
    const TableColour& colour = ColourTable[static_cast<std::size_t>(index)];
    return RGB(colour.red, colour.green, colour.blue);
}

bool InTable(int index)
{
    return index >= 0 && index < ColourCount;
}

void RegisterGridClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcedure<ColourGrid>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);
}

} // namespace

ColourGrid::ColourGrid(HWND parent, int controlId, const RECT& bounds)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterGridClass(instance);
    CreateWindowExA(0, ClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, this);
}

ColourGrid::~ColourGrid()
{
    if (window_)
        DestroyWindow(window_);
}

bool ColourGrid::SetForegroundIndex(int index)
{
    if (!InTable(index))
        return false;
    Pick(foreground_, index);
    return true;
}

bool ColourGrid::SetBackgroundIndex(int index)
{
    if (!InTable(index))
        return false;
    Pick(background_, index);
    return true;
}

bool ColourGrid::Pick(int& index, int cell)
{
    if (!InTable(cell) || index == cell)
        return false;
    index = cell;
    if (window_)
        InvalidateRect(window_, nullptr, FALSE);
    if (onChange)
        onChange();
    return true;
}

RECT ColourGrid::CellRect(int cell) const
{
    RECT client{};
    GetClientRect(window_, &client);
    const int column = cell % Columns;
    const int row = cell / Columns;
    return {client.right * column / Columns, client.bottom * row / Rows, client.right * (column + 1) / Columns,
            client.bottom * (row + 1) / Rows};
}

int ColourGrid::CellAt(LPARAM clientPoint) const
{
    RECT client{};
    GetClientRect(window_, &client);
    const int x = GET_X_LPARAM(clientPoint);
    const int y = GET_Y_LPARAM(clientPoint);
    // With the mouse captured, a drag reports points beyond the grid too.
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom)
        return -1;
    return y * Rows / client.bottom * Columns + x * Columns / client.right;
}

void ColourGrid::PickWithButtons(WPARAM buttons, int cell)
{
    if (cell < 0)
        return;
    if (buttons & MK_LBUTTON)
        Pick(foreground_, cell);
    if (buttons & (MK_RBUTTON | MK_MBUTTON))
        Pick(background_, cell);
    if (focused_ != cell) {
        focused_ = cell;
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void ColourGrid::MoveFocus(WPARAM key)
{
    int cell = focused_;
    switch (key) {
    case VK_LEFT: cell = cell > 0 ? cell - 1 : cell; break;
    case VK_RIGHT: cell = cell < ColourCount - 1 ? cell + 1 : cell; break;
    case VK_UP: cell = cell >= Columns ? cell - Columns : cell; break;
    case VK_DOWN: cell = cell + Columns < ColourCount ? cell + Columns : cell; break;
    case VK_HOME: cell = 0; break;
    case VK_END: cell = ColourCount - 1; break;
    case VK_SPACE: cell = (cell + 1) % ColourCount; break;
    default: return;
    }
    if (cell != focused_) {
        focused_ = cell;
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void ColourGrid::Paint(HDC context) const
{
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(context, &client, GetSysColorBrush(COLOR_BTNFACE));
    const SelectedObject selectedFont(context, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(context, TRANSPARENT);
    for (int cell = 0; cell < ColourCount; ++cell) {
        RECT rect = CellRect(cell);
        FrameRect(context, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(&rect, -1, -1);
        UniqueGdiObject brush(CreateSolidBrush(TableColourRef(cell)));
        FillRect(context, &rect, static_cast<HBRUSH>(brush.get()));

        const char* mark = cell == foreground_ && cell == background_ ? "FB"
                           : cell == foreground_                      ? "FG"
                           : cell == background_                      ? "BG"
                                                                      : nullptr;
        if (mark) {
            const TableColour ink = ReadableInkOn(ColourTable[static_cast<std::size_t>(cell)]);
            SetTextColor(context, RGB(ink.red, ink.green, ink.blue));
            DrawTextA(context, mark, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        if (cell == focused_ && GetFocus() == window_) {
            InflateRect(&rect, -1, -1);
            DrawFocusRect(context, &rect);
        }
    }
}

LRESULT ColourGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        // F and B arrive as characters too; the dialog must not take them as mnemonics.
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(window_, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus(window_);
        SetCapture(window_);
        PickWithButtons(wParam, CellAt(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))
            PickWithButtons(wParam, CellAt(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == window_)
            ReleaseCapture();
        return 0;
    case WM_KEYDOWN:
        if (wParam == 'F')
            Pick(foreground_, focused_);
        else if (wParam == 'B')
            Pick(background_, focused_);
        else
            MoveFocus(wParam);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window_, &paint);
        Paint(context);
        EndPaint(window_, &paint);
        return 0;
    }
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}
