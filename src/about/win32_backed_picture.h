#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/pixel_rect.h"
#include "about/win32_scroll_surface.h"
#include "platform/unique_handle.h"
#include "platform/win32_window_base.h"

// A child window showing an off-screen image of its own size that outlives
// every repaint: whatever is drawn into the image stays until drawn over.
// A click on it is handed to its owner.
class BackedPicture : public Win32WindowBase<BackedPicture> {
public:
    struct Style {
        HFONT font;
        COLORREF text;
        COLORREF background;
    };

    // The image starts out in the background colour. The name is never
    // drawn; screen readers say it. Null when Windows refuses the window.
    static std::unique_ptr<BackedPicture> Create(HWND parent, const wchar_t* name, const PixelRect& place,
                                                 const Style& style, std::function<void()> onClick);
    ~BackedPicture();

    Win32ScrollSurface& image() { return *image_; }
    // Moves the picture and gives it a new, blank image of its new size in
    // the new style: what was drawn is gone, and so is any reference to the
    // old image.
    void Reshape(const PixelRect& place, const Style& style);
    // Copies the image onto the screen now.
    void Refresh();

private:
    friend Win32WindowBase<BackedPicture>;
    static constexpr const wchar_t* kWindowClass = L"GlyphorBackedPicture";
    static HBRUSH WindowBackground() { return nullptr; }

    explicit BackedPicture(std::function<void()> onClick);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    std::function<void()> onClick_;
    std::optional<Win32ScrollSurface> image_;
};
