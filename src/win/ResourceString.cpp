#include "win/ResourceString.h"

std::string LoadResourceString(HINSTANCE instance, UINT id)
{
    char buffer[512];
    const int length = LoadStringA(instance, id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

std::string LoadResourceString(UINT id)
{
    return LoadResourceString(GetModuleHandleA(nullptr), id);
}
