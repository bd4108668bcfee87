#pragma once

#include <array>
#include <cstdint>

#include "platform/pixel_rect.h"
#include "platform/twips.h"

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelLine {
    PixelPoint from;
    PixelPoint to;
    friend bool operator==(const PixelLine&, const PixelLine&) = default;
};

// Where everything on the About window goes, in pixels at one screen
// resolution, relative to the window (which has no border, so its client
// area is the whole window).
struct AboutLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    PixelRect picture;
    PixelRect logo;  // the picture's natural size at 96 DPI, scaled with the rest
    PixelRect hiddenButton;
    std::array<PixelLine, 3> lines;  // left, right and bottom edge of the lower part
};

AboutLayout AboutLayoutAt(int dotsPerInch);
