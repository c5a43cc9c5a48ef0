#include "editing/WidthArithmetic.h"

int FittedClientWidth(int widest, WidthLimits limits, int allowance, int scrollBar)
{
    int width = widest + allowance;
    if (widest > limits.maximum)
        width = limits.maximum;
    else if (widest < limits.minimum)
        width = limits.minimum;
    return width + scrollBar;
}

void SetWidthWithinLimits(AdjustableWidth& target, int wanted, WidthLimits limits)
{
    target.SetWidth(wanted);
    if (target.Width() > limits.maximum)
        target.SetWidth(limits.maximum);
    if (target.Width() < limits.minimum)
        target.SetWidth(limits.minimum);
}
