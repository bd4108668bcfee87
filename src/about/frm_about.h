#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "about/about_layout.h"
#include "about/win32_backed_picture.h"
#include "about/credits_scroller.h"
#include "platform/unique_handle.h"
#include "platform/win32_window_base.h"

// The About window: a borderless window over its owner with the credits
// rolling in the picture at the top and the logo below. A click anywhere on
// it, Esc, Enter or Space hides it; closing it through the window system
// (Alt+F4) ends the program.
class frmAbout : public Win32WindowBase<frmAbout> {
public:
    // Creates the window, still hidden, laid out for the screen, with the
    // credits ready and the start timer running. Null when Windows refuses.
    static std::unique_ptr<frmAbout> Create(HWND owner);
    ~frmAbout();

    // Shows the window centred over its owner, which takes no input
    // meanwhile, and returns once the window has been hidden.
    void ShowModal();

    HWND picture() const { return picAbout_ ? picAbout_->hwnd() : nullptr; }

private:
    friend Win32WindowBase<frmAbout>;
    static constexpr const wchar_t* kWindowClass = L"GlyphorAbout";
    static HBRUSH WindowBackground() { return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)); }

    frmAbout(HWND owner, int dpi);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    bool Load();
    // The picture, the scroller, the hidden button and the window for a new
    // DPI, the window centred on where Windows suggests. The credits start
    // again from the top.
    void LayOut(int dpi, const RECT& suggested);
    BackedPicture::Style PictureStyle() const;
    void Paint(HDC dc) const;
    void PressHiddenButton();
    void StartScroller();
    void Hide();
    void OnTimer(UINT_PTR timer);

    HWND owner_;
    AboutLayout layout_;
    bool ownerDisabled_ = false;
    bool hidden_ = false;
    // A key that hides the window, once it has gone down here: its release
    // hides, as a click's does.
    WPARAM armedKey_ = 0;
    unique_hfont font_;
    unique_hbitmap logo_;
    std::unique_ptr<BackedPicture> picAbout_;
    std::optional<CreditsScroller> scroller_;
    HWND hiddenButton_ = nullptr;  // a child: the window destroys it
};

// What the main window's About button does: shows a freshly made About
// window modally over owner. Failures are passed over.
void ShowAboutModal(HWND owner);
