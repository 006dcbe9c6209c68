#pragma once
// Where a minimised window draws its icon.

struct IconOrigin {
    int x;
    int y;
};

// Centred with the platform's rounding: (36 - 32 + 1) / 2 = 2. The divisions
// truncate toward zero, also for a client area smaller than the icon.
IconOrigin CentredIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight);
