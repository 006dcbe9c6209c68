#pragma once
// Dialog units to pixels through the dialog font's base units: horizontal
// units are a quarter of the average Latin letter width, vertical units an
// eighth of the line height.

struct BaseUnits {
    int x;
    int y;
};

// Rounded like the platform's MulDiv: 7 * 6 / 4 = 10.5 -> 11; -1 when the
// result does not fit or the denominator is 0.
int MulDiv(int number, int numerator, int denominator);
int DialogUnitsToPixelsX(int units, BaseUnits base);
int DialogUnitsToPixelsY(int units, BaseUnits base);
// From the width of the 52 Latin letters and the font's height in pixels.
BaseUnits BaseUnitsFromMetrics(int widthOfAllLetters, int height);
// The pixel size of a font given in points on a 96-dpi dialog.
int FontPixelSize(int points);
