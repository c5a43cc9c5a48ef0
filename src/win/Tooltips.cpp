#include "win/Tooltips.h"

#include <commctrl.h>

namespace {

// One record size for every message: the full record of the headers we build
// with, which common controls 6, named in our manifest, takes.
TTTOOLINFOA ToolOf(HWND parent, HWND control, const std::string& text)
{
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    // The tooltip copies the text; it never writes to it.
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

} // namespace

HWND CreateTooltip(HWND owner)
{
    return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

bool AddTool(HWND tooltip, HWND parent, HWND control, const std::string& text)
{
    TTTOOLINFOA tool = ToolOf(parent, control, text);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    return SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

void SetToolText(HWND tooltip, HWND parent, HWND control, const std::string& text)
{
    TTTOOLINFOA tool = ToolOf(parent, control, text);
    SendMessageA(tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetToolText(HWND tooltip, HWND parent, HWND control, const std::wstring& text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}
