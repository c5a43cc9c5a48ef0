#pragma once

#include "editing/TextLines.h"
#include "win/ResourceString.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <string>
#include <string_view>

// An RCDATA text resource as an edit control shows it: every line break made
// CR LF, whatever the file had when the resources were compiled.
std::string LoadTextResource(HINSTANCE instance, int id);

// An RCDATA JPEG decoded into a device-independent bitmap of its own size;
// empty when the resource is missing or cannot be decoded. Uses only what
// every Windows has (OLE's picture loader).
UniqueGdiObject LoadJpegResource(HINSTANCE instance, int id);

// A new 32-bit bitmap of `size` holding `source` resampled smoothly, every
// pixel of the result the average of what it covers, rather than stretched
// with repeated pixels; empty when either is empty.
UniqueGdiObject SmoothlyScaledBitmap(HBITMAP source, SIZE size);
