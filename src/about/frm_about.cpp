#include "about/frm_about.h"

#include "about/win32_about_logo.h"
#include "about/credit_lines.h"
#include "platform/win32_create_font.h"
#include "platform/win32_dpi.h"

#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace {

constexpr int kHiddenButtonId = 1;
constexpr UINT_PTR kStartTimer = 1;  // tmrStart
constexpr UINT kStartDelayMs = 10;
// Each tick is one turn of the scroller, and each turn sets the next tick for
// when the next frame is due: the program sleeps between frames.
constexpr UINT_PTR kScrollTimer = 2;

constexpr int kFontHundredthsOfPoint = 825;

}  // namespace

frmAbout::frmAbout(HWND owner, int dpi)
    : owner_(owner), layout_(AboutLayoutAt(dpi)), font_(CreateTrebuchetFont(kFontHundredthsOfPoint, dpi)) {}

frmAbout::~frmAbout() {
    // Destroyed first, while everything its messages touch still exists.
    DestroyWindowNow();
}

std::unique_ptr<frmAbout> frmAbout::Create(HWND owner) {
    std::unique_ptr<frmAbout> about(new frmAbout(owner, ReadWindowDpi(owner)));
    // Owned and a tool window: it never shows in the task bar.
    if (!about->CreateWindowNow(WS_EX_TOOLWINDOW, L"About", WS_POPUP | WS_CLIPCHILDREN, 0, 0, about->layout_.width,
                                about->layout_.height, owner) ||
        !about->Load())
        return nullptr;
    return about;
}

BackedPicture::Style frmAbout::PictureStyle() const {
    return {font_.get(), GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_WINDOW)};
}

bool frmAbout::Load() {
    picAbout_ = BackedPicture::Create(hwnd(), L"Credits", layout_.picture, PictureStyle(), [this] { Hide(); });
    if (!picAbout_) return false;
    scroller_.emplace(picAbout_->image(), CreditLines());
    scroller_->Prepare();
    logo_ = LoadAboutLogo();

    const PixelRect& button = layout_.hiddenButton;
    hiddenButton_ = CreateWindowExW(0, L"BUTTON", L"Hidden Button", WS_CHILD | WS_DISABLED | BS_PUSHBUTTON,
                                    button.left, button.top, button.right - button.left, button.bottom - button.top,
                                    hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHiddenButtonId)),
                                    GetModuleHandleW(nullptr), nullptr);
    SetTimer(hwnd(), kStartTimer, kStartDelayMs, nullptr);
    return true;
}

void frmAbout::LayOut(int dpi, const RECT& suggested) {
    layout_ = AboutLayoutAt(dpi);
    unique_hfont font = CreateTrebuchetFont(kFontHundredthsOfPoint, dpi);
    std::swap(font, font_);
    // The scroller measured the old picture and draws into its image.
    const bool running = scroller_->running();
    scroller_.reset();
    picAbout_->Reshape(layout_.picture, PictureStyle());
    scroller_.emplace(picAbout_->image(), CreditLines());
    scroller_->Prepare();
    if (running) StartScroller();

    const PixelRect& button = layout_.hiddenButton;
    SetWindowPos(hiddenButton_, nullptr, button.left, button.top, button.right - button.left,
                 button.bottom - button.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const PixelRect r = PlaceForNewDpi({suggested.left, suggested.top, suggested.right, suggested.bottom}, {},
                                       layout_.width, layout_.height);
    SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void frmAbout::ShowModal() {
    RECT ownerArea{};
    if (owner_ && GetWindowRect(owner_, &ownerArea)) {
        SetWindowPos(hwnd(), nullptr, (ownerArea.left + ownerArea.right - layout_.width) / 2,
                     (ownerArea.top + ownerArea.bottom - layout_.height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // EnableWindow answers whether the owner was disabled already.
    ownerDisabled_ = owner_ && !EnableWindow(owner_, FALSE);
    ShowWindow(hwnd(), SW_SHOW);

    MSG message;
    while (!hidden_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // The program is ending: leave the quit for the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Hide();
}

void frmAbout::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    BITMAP logo{};
    if (logo_ && GetObjectW(logo_.get(), sizeof logo, &logo)) {
        const unique_hdc source(CreateCompatibleDC(dc));
        const unique_select_object selection(source.get(), logo_.get());
        const PixelRect& to = layout_.logo;
        const int width = to.right - to.left, height = to.bottom - to.top;
        if (width == logo.bmWidth && height == logo.bmHeight) {
            BitBlt(dc, to.left, to.top, width, height, source.get(), 0, 0, SRCCOPY);
        } else {
            // Averaged rather than dropped or doubled pixels: a photograph scaled.
            const int previous = SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, to.left, to.top, width, height, source.get(), 0, 0, logo.bmWidth, logo.bmHeight, SRCCOPY);
            SetStretchBltMode(dc, previous);
        }
    }

    const unique_select_object pen(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (const PixelLine& line : layout_.lines) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
}

void frmAbout::PressHiddenButton() {
    SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(kHiddenButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(hiddenButton_));
}

void frmAbout::StartScroller() {
    scroller_->Start();
    SetTimer(hwnd(), kScrollTimer, USER_TIMER_MINIMUM, nullptr);
}

void frmAbout::Hide() {
    if (hidden_) return;
    hidden_ = true;
    scroller_->Stop();
    KillTimer(hwnd(), kStartTimer);
    KillTimer(hwnd(), kScrollTimer);
    // Enabled before the hide, so that the owner is the window activated next.
    if (ownerDisabled_) EnableWindow(owner_, TRUE);
    ownerDisabled_ = false;
    ShowWindow(hwnd(), SW_HIDE);
}

void frmAbout::OnTimer(UINT_PTR timer) {
    if (timer == kStartTimer) {
        KillTimer(hwnd(), kStartTimer);
        // A tick already queued when the window was hidden starts nothing.
        if (!hidden_) PressHiddenButton();
    } else if (timer == kScrollTimer) {
        const ScrollTurn turn = scroller_->Turn();
        if (turn == ScrollTurn::Stopped) {
            KillTimer(hwnd(), kScrollTimer);
            return;
        }
        if (turn == ScrollTurn::Drew) picAbout_->Refresh();
        // Setting the timer again replaces its interval.
        const UINT wait = scroller_->MillisecondsUntilDue();
        SetTimer(hwnd(), kScrollTimer, wait < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : wait, nullptr);
    }
}

LRESULT frmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
        const unique_paint_dc dc(hwnd());
        if (dc) Paint(dc.get());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_LBUTTONUP:
        Hide();
        return 0;
    case WM_KEYDOWN:
        // Only a fresh press arms: the key that opened the window may still
        // be held, repeating, or come up here.
        if ((wParam == VK_ESCAPE || wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & (1 << 30)))
            armedKey_ = wParam;
        return 0;
    case WM_KEYUP:
        if (armedKey_ && wParam == armedKey_) Hide();
        return 0;
    case WM_GETDPISCALEDSIZE: {
        const AboutLayout layout = AboutLayoutAt(static_cast<int>(wParam));
        *reinterpret_cast<SIZE*>(lParam) = {layout.width, layout.height};
        return TRUE;
    }
    case WM_DPICHANGED:
        LayOut(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kHiddenButtonId && HIWORD(wParam) == BN_CLICKED) StartScroller();
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CLOSE:
        // Closed through the window system: the whole program ends here.
        if (scroller_) scroller_->Stop();
        ExitProcess(0);
    case WM_DESTROY:
        // Taken down with its owner: the modal show must not wait on.
        hidden_ = true;
        if (ownerDisabled_) EnableWindow(owner_, TRUE);
        ownerDisabled_ = false;
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void ShowAboutModal(HWND owner) {
    if (const auto about = frmAbout::Create(owner)) about->ShowModal();
}
