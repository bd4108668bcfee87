#pragma once

#include <cstdint>
#include <string_view>

#include "platform/pixel_rect.h"

// The picture the credits scroll in, as the scroller sees it: its measures,
// three drawing operations on its off-screen image, and the clock.
class ScrollSurface {
public:
    virtual ~ScrollSurface() = default;

    virtual std::int32_t innerWidth() const = 0;
    virtual std::int32_t innerHeight() const = 0;
    // The height of one line of text in the picture's font.
    virtual std::int32_t lineHeight() const = 0;

    // One line in the picture's font and text colour, clipped to the rectangle.
    virtual void drawText(std::wstring_view text, const PixelRect& rect, std::int32_t format) = 0;
    // Moves the pixels inside rect up by one row, changing only pixels inside clip.
    virtual void scrollUp(const PixelRect& rect, const PixelRect& clip) = 0;
    // Paints the bottom pixel row, across the whole width, in the background colour.
    virtual void clearBottomRow() = 0;

    // Milliseconds since the system started; wraps at 2^32.
    virtual std::uint32_t tickCount() const = 0;
};
