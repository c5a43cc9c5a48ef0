#include "WindowBase.h"

std::string Cp1251(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(1251, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(1251, 0, text.data(), length, result.data(), size, nullptr, nullptr);
    return result;
}

void SetTitle(HWND window, const std::wstring& title)
{
    if (IsWindowUnicode(window))
        SetWindowTextW(window, title.c_str());
    else
        SetWindowTextA(window, Cp1251(title).c_str());
}

HWND RegisterAndCreate(HINSTANCE instance, bool unicode, WNDPROC procedure, const WindowShape& shape,
                       const std::wstring& title, void* createParameter)
{
    if (!unicode) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hIcon = shape.icon;
        windowClass.lpszClassName = shape.className;
        if (!RegisterClassA(&windowClass))
            return nullptr;
        return CreateWindowExA(0, shape.className, Cp1251(title).c_str(), shape.style, shape.left, shape.top,
                               shape.width, shape.height, nullptr, nullptr, instance, createParameter);
    }
    const std::string_view name = shape.className;
    const std::wstring className(name.begin(), name.end());
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = shape.icon;
    windowClass.lpszClassName = className.c_str();
    if (!RegisterClassW(&windowClass))
        return nullptr;
    return CreateWindowExW(0, className.c_str(), title.c_str(), shape.style, shape.left, shape.top, shape.width,
                           shape.height, nullptr, nullptr, instance, createParameter);
}
