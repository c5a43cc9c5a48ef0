#pragma once

#include "win/DisplayScale.h"

#include <windows.h>

// The pictures of the toolbar buttons and of the Winamp control panel's flat
// buttons, drawn here rather than kept as resources.
enum class ToolbarIcon { Refresh, Trim, Norm, Next, Info, Save, Options };
enum class PlayerGlyph { Prev, Play, Next, Stop, Jump, Prev5s, Pause, Next5s, Open, Add };

// Sizes in pixels of the design at 96 DPI. Toolbar icons differ (16x16,
// 18x18, the bent arrow 13x13); every player glyph fills the inside of a 13x9
// flat button.
SIZE ToolbarIconSize(ToolbarIcon icon);
inline constexpr SIZE PlayerGlyphSize{11, 7};

// A new 32-bpp top-down DIB section that the caller deletes. By default it is
// transparent around the drawing, with premultiplied alpha, for image lists
// (ILC_COLOR32) and AlphaBlend. Given a background colour it comes out opaque
// on that colour instead, for drawing that ignores alpha (BitBlt, classic
// BS_BITMAP buttons). Drawn at `scale`: the design size scaled. nullptr when
// GDI is out of resources.
HBITMAP CreateToolbarIconBitmap(ToolbarIcon icon, COLORREF background = CLR_INVALID, DisplayScale scale = {});
HBITMAP CreatePlayerGlyphBitmap(PlayerGlyph glyph, COLORREF background = CLR_INVALID, DisplayScale scale = {});

// Draws an owner-drawn item of the player panel: the divider (`bevel`), or a
// button with `glyph` in its middle, pressed in and faded as its state says.
void DrawPanelItem(const DRAWITEMSTRUCT& item, bool bevel, HBITMAP glyph);
