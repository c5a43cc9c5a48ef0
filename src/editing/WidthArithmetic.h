#pragma once

// The bounds `MinMemoWidth` and `MaxMemoWidth`, as read at the moment of use.
// Nothing keeps them in order: the user may set the lower above the upper.
struct WidthLimits {
    int minimum = 0;
    int maximum = 0;
};

// The client width the window fitting gives a text whose widest line is
// `widest` pixels: the upper bound when the line passes it, else the lower
// bound when the line falls short of that, else the line plus `allowance`
// (what the window's frame and the text area's borders take beside the text);
// then the scroll bar's thickness on top. The allowance goes only with a line
// inside the bounds; crossed bounds give the upper one to a wide text and the
// lower one to a narrow text.
int FittedClientWidth(int widest, WidthLimits limits, int allowance, int scrollBar);

// A width that can be set and read back. The window system may not grant
// the width set, for instance below its smallest window.
class AdjustableWidth {
public:
    virtual ~AdjustableWidth() = default;
    virtual int Width() const = 0;
    virtual void SetWidth(int width) = 0;
};

// Sets `wanted`; then, reading the width back each time, sets the upper bound
// when the width passes it, and after that the lower bound when the width
// falls short of it. Crossed bounds therefore end at the lower one.
void SetWidthWithinLimits(AdjustableWidth& target, int wanted, WidthLimits limits);
