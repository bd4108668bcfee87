#pragma once

#include <cstdint>

// A rectangle in pixels with the platform's layout: right and bottom lie just
// outside it.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect Offset(PixelRect rect, std::int32_t dx, std::int32_t dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}
