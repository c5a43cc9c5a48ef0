#pragma once

#include <windows.h>

// A function of a system library that most runs never call, looked up on first
// use, so that starting the program does not load the library. Null when the
// library or the function is missing.
template <typename Function>
Function* LateFunction(const char* library, const char* name)
{
    HMODULE module = LoadLibraryA(library);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
