#include "DialogUnits.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = std::abs(static_cast<std::int64_t>(denominator)) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (std::abs(product) + half) / std::abs(static_cast<std::int64_t>(denominator));
    if (magnitude > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int DialogUnitsToPixelsX(int units, BaseUnits base)
{
    return MulDiv(units, base.x, 4);
}

int DialogUnitsToPixelsY(int units, BaseUnits base)
{
    return MulDiv(units, base.y, 8);
}

BaseUnits BaseUnitsFromMetrics(int widthOfAllLetters, int height)
{
    return {(widthOfAllLetters / 26 + 1) / 2, height};
}

int FontPixelSize(int points)
{
    return MulDiv(points, 96, 72);
}
