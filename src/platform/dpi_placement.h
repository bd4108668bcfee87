#pragma once

#include <cstdint>

#include "platform/pixel_rect.h"

// How far a window's frame reaches beyond its client area on each side, in
// pixels at one DPI. A borderless window has none.
struct FrameInsets {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The window rectangle around a client area of that size.
constexpr std::int32_t OuterWidth(const FrameInsets& frame, std::int32_t clientWidth) {
    return frame.left + clientWidth + frame.right;
}
constexpr std::int32_t OuterHeight(const FrameInsets& frame, std::int32_t clientHeight) {
    return frame.top + clientHeight + frame.bottom;
}

// Where a window whose client size its layout fixes goes when it moves to a
// monitor of another DPI. Windows suggests the old rectangle scaled, which
// can be a pixel or two off the new layout's size (its frame does not scale
// in proportion); the window takes its own size, centred on the suggestion,
// so that it stays on the monitor it was moved to.
PixelRect PlaceForNewDpi(const PixelRect& suggested, const FrameInsets& frame, std::int32_t clientWidth,
                         std::int32_t clientHeight);
