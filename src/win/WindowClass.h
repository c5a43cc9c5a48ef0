#pragma once

#include <windows.h>

// Registers `windowClass` for its module unless that module has registered the
// name already; true when the class is there to use. The size field is set here.
bool RegisterWindowClass(WNDCLASSEXA windowClass);
