#pragma once

#include <windows.h>

#include <utility>

// The device context of a window, or of the screen for no window, from GetDC
// and given back with ReleaseDC. Move-only, so that it is released once.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), context_(GetDC(window)) {}
    WindowDc(WindowDc&& other) noexcept
        : window_(other.window_), context_(std::exchange(other.context_, nullptr))
    {
    }
    WindowDc& operator=(WindowDc&& other) noexcept
    {
        if (this != &other) {
            Release();
            window_ = other.window_;
            context_ = std::exchange(other.context_, nullptr);
        }
        return *this;
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { Release(); }

    HDC get() const noexcept { return context_; }
    explicit operator bool() const noexcept { return context_ != nullptr; }

private:
    void Release() noexcept
    {
        if (context_)
            ReleaseDC(window_, std::exchange(context_, nullptr));
    }

    HWND window_;
    HDC context_;
};

// An object selected into a device context, and the one it replaced put back
// at the end, so that the object can be deleted and the context freed. Nothing
// is selected for no context or no object.
class SelectedObject {
public:
    SelectedObject() noexcept = default;
    SelectedObject(HDC context, HGDIOBJ object) noexcept
        : context_(context), previous_(context && object ? SelectObject(context, object) : nullptr)
    {
    }
    SelectedObject(SelectedObject&& other) noexcept
        : context_(other.context_), previous_(std::exchange(other.previous_, nullptr))
    {
    }
    SelectedObject& operator=(SelectedObject&& other) noexcept
    {
        if (this != &other) {
            Restore();
            context_ = other.context_;
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { Restore(); }

    // Puts the replaced object back now, before the end of the scope.
    void Restore() noexcept
    {
        const HGDIOBJ previous = std::exchange(previous_, nullptr);
        if (previous && previous != HGDI_ERROR)
            SelectObject(context_, previous);
    }

private:
    HDC context_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The header of a 32-bit top-down bitmap of `size`: rows from the top, a
// DWORD a pixel.
inline BITMAPINFO TopDownBitmapInfo(SIZE size)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down bitmap of `size` for drawing into, its pixels at `bits`
// when asked for; null when it cannot be made. The caller owns it.
inline HBITMAP TopDownBitmap(SIZE size, void** bits = nullptr)
{
    const BITMAPINFO info = TopDownBitmapInfo(size);
    void* ignored = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &ignored, nullptr, 0);
}
