#include "platform/dpi_placement.h"

namespace {

// Halves towards minus infinity, so that a window centred on a suggestion
// one pixel wider or narrower is always moved the same way.
constexpr std::int32_t HalfDown(std::int32_t value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

}  // namespace

PixelRect PlaceForNewDpi(const PixelRect& suggested, const FrameInsets& frame, std::int32_t clientWidth,
                         std::int32_t clientHeight) {
    const std::int32_t width = OuterWidth(frame, clientWidth), height = OuterHeight(frame, clientHeight);
    const std::int32_t left = suggested.left + HalfDown(suggested.right - suggested.left - width);
    const std::int32_t top = suggested.top + HalfDown(suggested.bottom - suggested.top - height);
    return {left, top, left + width, top + height};
}
