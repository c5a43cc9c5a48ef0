#include "app/ResourceLoading.h"

#include "win/DeviceContext.h"
#include "win/LateBinding.h"
#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace {

std::string_view ResourceBytes(HINSTANCE instance, int id)
{
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_RCDATA);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return {static_cast<const char*>(bytes), SizeofResource(instance, found)};
}

// COM must be up for the picture loader (Wine's decodes through WIC); leave it
// as the caller had it.
class ComScope {
public:
    ComScope() noexcept : initialized_(initialize_ && uninitialize_ && SUCCEEDED(initialize_(nullptr))) {}
    ~ComScope()
    {
        if (initialized_)
            uninitialize_();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    static inline const auto initialize_ = LateFunction<decltype(CoInitialize)>("ole32.dll", "CoInitialize");
    static inline const auto uninitialize_ = LateFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize");
    bool initialized_;
};

template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer()
    {
        if (pointer_)
            pointer_->Release();
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* operator->() const noexcept { return pointer_; }
    Interface** Receive() noexcept { return &pointer_; }
    Interface* get() const noexcept { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

} // namespace

std::string LoadTextResource(HINSTANCE instance, int id)
{
    return WithCrLfLineBreaks(ResourceBytes(instance, id));
}

UniqueGdiObject LoadJpegResource(HINSTANCE instance, int id)
{
    const std::string_view bytes = ResourceBytes(instance, id);
    if (bytes.empty())
        return {};

    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        return {};
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return {};
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);

    static const auto createStream =
        LateFunction<decltype(CreateStreamOnHGlobal)>("ole32.dll", "CreateStreamOnHGlobal");
    static const auto loadPicture = LateFunction<decltype(OleLoadPicture)>("oleaut32.dll", "OleLoadPicture");
    ComScope com;
    ComPointer<IStream> stream;
    if (!createStream || !loadPicture || FAILED(createStream(memory, TRUE, stream.Receive()))) {
        GlobalFree(memory);
        return {};
    }
    ComPointer<IPicture> picture;
    if (FAILED(loadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.Receive()))))
        return {};

    OLE_HANDLE handle = 0;
    short type = PICTYPE_NONE;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)))
        return {};
    // The picture owns its bitmap and deletes it on release: keep a copy.
    HANDLE copy = CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0,
                            LR_CREATEDIBSECTION);
    return UniqueGdiObject(static_cast<HGDIOBJ>(copy));
}

UniqueGdiObject SmoothlyScaledBitmap(HBITMAP source, SIZE size)
{
    BITMAP original{};
    if (!source || !GetObjectA(source, sizeof original, &original) || size.cx <= 0 || size.cy <= 0)
        return {};
    if (original.bmWidth == size.cx && original.bmHeight == size.cy)
        return UniqueGdiObject(CopyImage(source, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    UniqueGdiObject scaled(TopDownBitmap(size));
    const UniqueMemoryDeviceContext target(CreateCompatibleDC(nullptr));
    const UniqueMemoryDeviceContext from(CreateCompatibleDC(nullptr));
    if (!scaled || !target || !from)
        return {};
    const SelectedObject scaledIn(target.get(), scaled.get());
    const SelectedObject sourceIn(from.get(), source);
    SetStretchBltMode(target.get(), HALFTONE);
    SetBrushOrgEx(target.get(), 0, 0, nullptr);
    StretchBlt(target.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, original.bmWidth, original.bmHeight, SRCCOPY);
    return scaled;
}
