#pragma once

#include "win/LiveCounts.h"

#include <windows.h>

#include <utility>

// Owns one Win32 handle and closes it once. Move-only: a copy could close the
// same handle twice. What it owns is counted in the live counts, by the kind
// its traits name.
template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : handle_(handle) { Count(handle_, 1); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Type get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    Type release() noexcept
    {
        Count(handle_, -1);
        return std::exchange(handle_, Traits::Invalid());
    }
    void reset(Type handle = Traits::Invalid()) noexcept
    {
        if (handle_ != Traits::Invalid())
            Traits::Close(handle_);
        Count(handle_, -1);
        handle_ = handle;
        Count(handle_, 1);
    }

private:
    static void Count(Type handle, long change) noexcept
    {
        if (handle != Traits::Invalid())
            live_counts::Count(Traits::Kind, change);
    }

    Type handle_ = Traits::Invalid();
};

struct FindHandleTraits {
    static constexpr LiveKind Kind = LiveKind::Handle;
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) noexcept { ::FindClose(handle); }
};
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;

struct KernelHandleTraits {
    static constexpr LiveKind Kind = LiveKind::Handle;
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { ::CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

struct FileHandleTraits {
    static constexpr LiveKind Kind = LiveKind::Handle;
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) noexcept { ::CloseHandle(handle); }
};
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;

struct RegistryKeyTraits {
    static constexpr LiveKind Kind = LiveKind::Handle;
    using Type = HKEY;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type key) noexcept { ::RegCloseKey(key); }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

struct GdiObjectTraits {
    static constexpr LiveKind Kind = LiveKind::GdiObject;
    using Type = HGDIOBJ;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type object) noexcept { ::DeleteObject(object); }
};
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;

struct FontTraits {
    static constexpr LiveKind Kind = LiveKind::GdiObject;
    using Type = HFONT;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type font) noexcept { ::DeleteObject(font); }
};
using UniqueFont = UniqueHandle<FontTraits>;

// A device context from CreateCompatibleDC or CreateDC, which DeleteDC ends.
struct MemoryDeviceContextTraits {
    static constexpr LiveKind Kind = LiveKind::GdiObject;
    using Type = HDC;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type context) noexcept { ::DeleteDC(context); }
};
using UniqueMemoryDeviceContext = UniqueHandle<MemoryDeviceContextTraits>;
