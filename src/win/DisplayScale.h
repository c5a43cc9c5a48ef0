#pragma once

// Every size of the design is a size on a screen of 96 DPI (100 %); a window
// shows it at its own DPI. Stored sizes stay in those units, as a program
// unaware of the scale stored them, so that they look the same at any scale.
inline constexpr int DesignDpi = 96;

// The arithmetic between design units and a window's pixels, without a
// window. Both ways round half away from zero, so that a size in design units
// comes back unchanged from its pixels at any scale of 100 % or more.
class DisplayScale {
public:
    constexpr DisplayScale() = default;
    // A DPI of 0 or less, as a failed query gives, is taken as the design's.
    constexpr explicit DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : DesignDpi) {}

    constexpr int Dpi() const { return dpi_; }
    // Design units to pixels, for sizes and for places alike.
    int Pixels(int designUnits) const;
    // Pixels back to design units, for storing.
    int DesignUnits(int pixels) const;
    // The character height of a font of `points` at this scale.
    int FontPixels(int points) const;

    bool operator==(const DisplayScale&) const = default;

private:
    int dpi_ = DesignDpi;
};
