#include "win/DisplayScale.h"

#include <climits>
#include <cstdint>

namespace {

// numerator * multiplier / divisor, rounded half away from zero and kept
// within an int.
int ScaledRounded(int numerator, int multiplier, int divisor)
{
    const std::int64_t product = static_cast<std::int64_t>(numerator) * multiplier;
    const std::int64_t half = divisor / 2;
    const std::int64_t quotient = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    return quotient > INT_MAX ? INT_MAX : quotient < INT_MIN ? INT_MIN : static_cast<int>(quotient);
}

} // namespace

int DisplayScale::Pixels(int designUnits) const
{
    return ScaledRounded(designUnits, dpi_, DesignDpi);
}

int DisplayScale::DesignUnits(int pixels) const
{
    return ScaledRounded(pixels, DesignDpi, dpi_);
}

int DisplayScale::FontPixels(int points) const
{
    constexpr int PointsPerInch = 72;
    return ScaledRounded(points, dpi_, PointsPerInch);
}
