#include "about/win32_scroll_surface.h"

namespace {

RECT ToRect(const PixelRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

HBITMAP CreateImageFor(HWND picture) {
    RECT client{};
    GetClientRect(picture, &client);
    const unique_window_dc screen(picture);
    return CreateCompatibleBitmap(screen.get(), client.right, client.bottom);
}

}  // namespace

Win32ScrollSurface::Win32ScrollSurface(HWND picture, HFONT font, COLORREF text, COLORREF background)
    : picture_(picture),
      dc_(CreateCompatibleDC(nullptr)),
      bitmap_(CreateImageFor(picture)),
      bitmapSelection_(dc_.get(), bitmap_.get()),
      fontSelection_(dc_.get(), font) {
    SetTextColor(dc_.get(), text);
    // Opaque text paints its own background, so drawing a line again over
    // its earlier pixels leaves them exactly as they were.
    SetBkColor(dc_.get(), background);
    SetBkMode(dc_.get(), OPAQUE);
}

void Win32ScrollSurface::Clear() { Fill(ClientArea()); }

void Win32ScrollSurface::PaintTo(HDC target, const RECT& area) const {
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
           area.top, SRCCOPY);
}

RECT Win32ScrollSurface::ClientArea() const {
    RECT client{};
    GetClientRect(picture_, &client);
    return client;
}

std::int32_t Win32ScrollSurface::innerWidth() const { return ClientArea().right; }

std::int32_t Win32ScrollSurface::innerHeight() const { return ClientArea().bottom; }

std::int32_t Win32ScrollSurface::lineHeight() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_.get(), &metrics);
    return metrics.tmHeight;
}

void Win32ScrollSurface::drawText(std::wstring_view text, const PixelRect& rect, std::int32_t format) {
    RECT area = ToRect(rect);
    DrawTextW(dc_.get(), text.data(), static_cast<int>(text.size()), &area, static_cast<UINT>(format));
}

void Win32ScrollSurface::scrollUp(const PixelRect& rect, const PixelRect& clip) {
    const RECT scroll = ToRect(rect);
    const RECT clipArea = ToRect(clip);
    ScrollDC(dc_.get(), 0, -1, &scroll, &clipArea, nullptr, nullptr);
}

void Win32ScrollSurface::clearBottomRow() {
    const RECT client = ClientArea();
    Fill({0, client.bottom - 1, client.right, client.bottom});
}

std::uint32_t Win32ScrollSurface::tickCount() const { return GetTickCount(); }

void Win32ScrollSurface::Fill(const RECT& area) {
    // An opaque text call with no text fills in the background colour
    // without a brush to manage.
    ExtTextOutW(dc_.get(), 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}
