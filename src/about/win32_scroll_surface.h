#pragma once

#include <windows.h>

#include "about/scroll_surface.h"
#include "platform/unique_handle.h"

// The picture's off-screen image, the size of its client area, with the
// picture's font and colours selected: the credits are drawn here and the
// picture repaints itself from it.
class Win32ScrollSurface final : public ScrollSurface {
public:
    Win32ScrollSurface(HWND picture, HFONT font, COLORREF text, COLORREF background);

    // Fills the whole image with the background colour.
    void Clear();
    // Copies the area of the image to the same place in target.
    void PaintTo(HDC target, const RECT& area) const;

    std::int32_t innerWidth() const override;
    std::int32_t innerHeight() const override;
    std::int32_t lineHeight() const override;
    void drawText(std::wstring_view text, const PixelRect& rect, std::int32_t format) override;
    void scrollUp(const PixelRect& rect, const PixelRect& clip) override;
    void clearBottomRow() override;
    std::uint32_t tickCount() const override;

private:
    RECT ClientArea() const;
    void Fill(const RECT& area);

    HWND picture_;
    unique_hdc dc_;
    unique_hbitmap bitmap_;
    unique_select_object bitmapSelection_;
    unique_select_object fontSelection_;
};
