#include "win/WindowClass.h"

bool RegisterWindowClass(WNDCLASSEXA windowClass)
{
    windowClass.cbSize = sizeof windowClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
