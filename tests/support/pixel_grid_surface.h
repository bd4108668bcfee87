#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "about/scroll_surface.h"

// A ScrollSurface over a real grid of pixels. A drawn line marks every pixel
// of its rectangle with which text and which of its pixel rows lies there,
// so tests can follow each line's rows as they rise.
class PixelGridSurface final : public ScrollSurface {
public:
    struct Pixel {
        int text = 0;      // 0 is the background; otherwise 1 + index in texts
        int glyphRow = 0;  // row of the text's rectangle, counted from its top
        friend bool operator==(const Pixel&, const Pixel&) = default;
    };
    struct Draw {
        std::wstring text;
        PixelRect rect;
        std::int32_t format;
        int frame;  // 1 for the first frame, counted by the scrolls that follow
    };

    PixelGridSurface(std::int32_t width, std::int32_t height, std::int32_t line)
        : width_(width), height_(height), line_(line), pixels_(static_cast<std::size_t>(width * height)) {}

    std::int32_t innerWidth() const override { return width_; }
    std::int32_t innerHeight() const override { return height_; }
    std::int32_t lineHeight() const override { return line_; }

    void drawText(std::wstring_view text, const PixelRect& rect, std::int32_t format) override {
        draws.push_back({std::wstring(text), rect, format, scrolls + 1});
        if (text.empty()) return;
        const int id = TextId(text);
        for (std::int32_t y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y)
            for (std::int32_t x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x)
                at(x, y) = {id, y - rect.top};
    }

    void scrollUp(const PixelRect& rect, const PixelRect& clip) override {
        ++scrolls;
        // Pixel (x, y) takes the one below it when it lies in the clip and
        // its source lies in rect. Going down the rows, every source row is
        // read before it is overwritten.
        const std::int32_t left = std::max({rect.left, clip.left, 0});
        const std::int32_t right = std::min({rect.right, clip.right, width_});
        const std::int32_t top = std::max({rect.top - 1, clip.top, 0});
        const std::int32_t bottom = std::min({rect.bottom - 1, clip.bottom, height_ - 1});
        for (std::int32_t y = top; y < bottom; ++y)
            for (std::int32_t x = left; x < right; ++x) at(x, y) = at(x, y + 1);
    }

    void clearBottomRow() override {
        for (std::int32_t x = 0; x < width_; ++x) at(x, height_ - 1) = {};
    }

    std::uint32_t tickCount() const override {
        const std::uint32_t now = tick;
        tick += advancePerRead;
        return now;
    }

    // The pixel in column 0 of a row: drawn lines span the whole width.
    Pixel Row(std::int32_t y) const { return pixels_[static_cast<std::size_t>(y * width_)]; }
    Pixel Ink(std::wstring_view text, int glyphRow) const {
        const auto found = std::find(texts_.begin(), texts_.end(), text);
        return {found == texts_.end() ? -1 : static_cast<int>(found - texts_.begin()) + 1, glyphRow};
    }
    const std::vector<Pixel>& pixels() const { return pixels_; }

    mutable std::uint32_t tick = 0;
    std::uint32_t advancePerRead = 0;
    int scrolls = 0;
    std::vector<Draw> draws;

private:
    Pixel& at(std::int32_t x, std::int32_t y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    int TextId(std::wstring_view text) {
        const auto found = std::find(texts_.begin(), texts_.end(), text);
        if (found != texts_.end()) return static_cast<int>(found - texts_.begin()) + 1;
        texts_.emplace_back(text);
        return static_cast<int>(texts_.size());
    }

    std::int32_t width_, height_, line_;
    std::vector<Pixel> pixels_;
    std::vector<std::wstring> texts_;
};
