#include "about/win32_backed_picture.h"

#include <utility>

BackedPicture::BackedPicture(std::function<void()> onClick) : onClick_(std::move(onClick)) {}

BackedPicture::~BackedPicture() { DestroyWindowNow(); }

std::unique_ptr<BackedPicture> BackedPicture::Create(HWND parent, const wchar_t* name, const PixelRect& place,
                                                     const Style& style, std::function<void()> onClick) {
    std::unique_ptr<BackedPicture> picture(new BackedPicture(std::move(onClick)));
    if (!picture->CreateWindowNow(0, name, WS_CHILD | WS_VISIBLE, place.left, place.top, place.right - place.left,
                                  place.bottom - place.top, parent))
        return nullptr;
    picture->image_.emplace(picture->hwnd(), style.font, style.text, style.background);
    picture->image_->Clear();
    return picture;
}

void BackedPicture::Reshape(const PixelRect& place, const Style& style) {
    SetWindowPos(hwnd(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    image_.reset();  // lets go of the old font before its owner deletes it
    image_.emplace(hwnd(), style.font, style.text, style.background);
    image_->Clear();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void BackedPicture::Refresh() {
    // Copied at once rather than through WM_PAINT: a frame is on the screen
    // when the turn that drew it ends, with no repaint round trip.
    const unique_window_dc dc(hwnd());
    RECT client{};
    if (dc && image_ && GetClientRect(hwnd(), &client)) image_->PaintTo(dc.get(), client);
}

LRESULT BackedPicture::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the image covers every pixel
    case WM_PAINT: {
        const unique_paint_dc dc(hwnd());
        if (dc && image_) image_->PaintTo(dc.get(), dc.area());
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        if (image_) image_->PaintTo(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_LBUTTONUP:
        onClick_();
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}
