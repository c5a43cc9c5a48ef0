// The 32-bit program runs on Windows XP too. The thread library that the C++
// runtime links in takes GetTickCount64 from kernel32's import table, and XP
// has no such function: the loader would refuse to start the program. This
// file gives the linker that import's pointer itself, so kernel32's entry is
// never pulled in; the pointer leads to Windows' own function where there is
// one, and to the 32-bit tick count where there is not. Only the thread
// library's timed waits use it, and the program never waits with a time-out
// through it. Linked into the executable itself, ahead of the libraries.
#include <windows.h>

namespace {

ULONGLONG WINAPI TickCount64()
{
    using Function = ULONGLONG(WINAPI*)();
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto system =
        kernel ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetTickCount64")))
               : nullptr;
    return system ? system() : GetTickCount();
}

} // namespace

extern "C" {
// The import pointer's own name, as the import library spells it.
extern ULONGLONG(WINAPI* const systemTickCount64)() __asm__("__imp__GetTickCount64@0");
ULONGLONG(WINAPI* const systemTickCount64)() = TickCount64;
}
