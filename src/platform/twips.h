#pragma once

// Layouts are drawn in twips, 1440 to the inch; a control's pixels depend on
// the screen's DPI (15 twips a pixel at 96 DPI). Rounds to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

// Font heights are given in points, 72 to the inch, here in hundredths.
constexpr int PointsToPixels(int hundredthsOfPoint, int dpi) {
    return static_cast<int>((static_cast<long long>(hundredthsOfPoint) * dpi + 3600) / 7200);
}
