// Dialog units to pixels: the rounding of MulDiv and the base units of a font.

#include "DialogUnits.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero)
{
    struct Row {
        const char* label;
        int number, numerator, denominator;
        int expected;
    };
    const Row rows[] = {
        {"exact", 8, 6, 4, 12},
        {"half rounds up", 7, 6, 4, 11},
        {"below half rounds down", 1, 1, 3, 0},
        {"above half rounds up", 2, 1, 3, 1},
        {"negative half rounds away from zero", -7, 6, 4, -11},
        {"negative denominator", 7, 6, -4, -11},
        {"both negative", -7, 6, -4, 11},
        {"zero", 0, 6, 4, 0},
        {"product beyond 32 bits", 1 << 30, 8, 16, 1 << 29},
        {"denominator zero", 5, 3, 0, -1},
        {"result beyond 32 bits", 1 << 30, 8, 2, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(MulDiv(row.number, row.numerator, row.denominator), row.expected);
    }
}

TEST(DialogUnits, BaseUnitsFromMetrics)
{
    struct Row {
        const char* label;
        int widthOfAllLetters, height;
        int x, y;
    };
    const Row rows[] = {
        {"average 14 -> 7", 364, 16, 7, 16},
        {"average 15 -> 8 (half up)", 390, 18, 8, 18},
        {"width truncated before rounding", 389, 15, 7, 15},
        {"average 13 -> 7", 338, 13, 7, 13},
        {"nothing measured", 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const BaseUnits units = BaseUnitsFromMetrics(row.widthOfAllLetters, row.height);
        EXPECT_EQ(units.x, row.x);
        EXPECT_EQ(units.y, row.y);
    }
}

TEST(DialogUnits, TemplateRectangleToPixels)
{
    // The directory field of the main window, 82, 29, 178 x 12, with base
    // units 7 x 15: every coordinate but the last has a fraction to round.
    const BaseUnits units{7, 15};
    EXPECT_EQ(DialogUnitsToPixelsX(82, units), 144);   // 143.5
    EXPECT_EQ(DialogUnitsToPixelsY(29, units), 54);    // 54.375
    EXPECT_EQ(DialogUnitsToPixelsX(178, units), 312);  // 311.5
    EXPECT_EQ(DialogUnitsToPixelsY(12, units), 23);    // 22.5
    // The whole main window, 300 x 268.
    EXPECT_EQ(DialogUnitsToPixelsX(300, units), 525);
    EXPECT_EQ(DialogUnitsToPixelsY(268, units), 503);  // 502.5
}

TEST(DialogUnits, FontPixelSizeAt96Dpi)
{
    EXPECT_EQ(FontPixelSize(9), 12);
    EXPECT_EQ(FontPixelSize(11), 15);  // 14.67
    EXPECT_EQ(FontPixelSize(10), 13);  // 13.33
}

}  // namespace
