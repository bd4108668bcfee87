#include "about/frm_about.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "about/win32_about_logo.h"
#include "platform/unique_handle.h"
#include "screen_capture.h"

namespace {

constexpr int kWidth = 249, kPictureHeight = 145;

// Handles messages as a message loop would, until the condition holds or
// the time is up; false when it is up first.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (condition()) return true;
        const auto left = static_cast<std::int32_t>(end - GetTickCount());
        if (left <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}

// What the window itself paints, from its own images.
ScreenImage PrintClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return CaptureDrawing(client.right, client.bottom, [window](HDC dc) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
}

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.reset(CreateWindowExW(0, L"STATIC", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 500, 450,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        ASSERT_TRUE(owner_);
        ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(owner_.get()) != FALSE; }, 5000));
    }
    HWND owner() const { return owner_.get(); }

    const std::uint32_t background_ = Rgb(GetSysColor(COLOR_WINDOW));

private:
    unique_hwnd owner_;
};

// Its size, frame, owner and picture are checked from outside (about_e2e).
TEST_F(AboutWindow, IsAToolWindowWhoseButtonIsNeverShown) {
    const auto about = frmAbout::Create(owner());
    ASSERT_TRUE(about);
    const auto extended = GetWindowLongPtrW(about->hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(extended & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(extended & WS_EX_APPWINDOW);

    const HWND button = FindWindowExW(about->hwnd(), nullptr, L"Button", L"Hidden Button");
    ASSERT_NE(button, nullptr);
    ShowWindow(about->hwnd(), SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(about->hwnd()) != FALSE; }, 5000));
    const auto buttonStyle = GetWindowLongPtrW(button, GWL_STYLE);
    EXPECT_FALSE(buttonStyle & (WS_VISIBLE | WS_TABSTOP));
    EXPECT_FALSE(IsWindowVisible(button));
    EXPECT_NE(GetFocus(), button);
}

TEST_F(AboutWindow, ShowsTheLogoAtItsNaturalSizeBelowThePicture) {
    const auto logo = LoadAboutLogo();
    ASSERT_TRUE(logo);
    BITMAP size{};
    ASSERT_TRUE(GetObjectW(logo.get(), sizeof size, &size));
    EXPECT_EQ(size.bmWidth, 129);
    EXPECT_EQ(size.bmHeight, 68);

    const auto about = frmAbout::Create(owner());
    ASSERT_TRUE(about);
    const ScreenImage window = PrintClient(about->hwnd());
    // The logo's dark blue square sits a few pixels inside its top left
    // corner at (61, 152); around it the logo is white, as the window is.
    const std::uint32_t square = window.At(61 + 10, 152 + 55);
    EXPECT_LT(square >> 16, 0x60u);
    EXPECT_GT(square & 0xFF, 0x60u);
    const auto white = [](std::uint32_t pixel) { return (pixel & 0xF0F0F0) == 0xF0F0F0; };
    EXPECT_TRUE(white(window.At(61 + 1, 152 + 1)));
    EXPECT_TRUE(white(window.At(61 + 100, 152 + 60)));
    EXPECT_EQ(window.At(61 - 1, 152 + 55), 0xFFFFFFu);
}

TEST_F(AboutWindow, AStartTickAfterTheHideStartsNothing) {
    const auto about = frmAbout::Create(owner());
    ASSERT_TRUE(about);
    ShowWindow(about->hwnd(), SW_SHOW);
    SendMessageW(about->hwnd(), WM_LBUTTONUP, 0, 0);
    SendMessageW(about->hwnd(), WM_TIMER, 1, 0);  // tmrStart, late
    // Nothing can be waited for: this is longer than a started scroller
    // needs to bring its first line into the picture.
    PumpUntil([] { return false; }, 1200);
    EXPECT_EQ(PrintClient(about->picture()).CountOf(background_, 0, kPictureHeight), kWidth * kPictureHeight);
}

TEST_F(AboutWindow, ClosingItEndsTheProgram) {
    EXPECT_EXIT(
        {
            const auto about = frmAbout::Create(owner());
            SendMessageW(about->hwnd(), WM_CLOSE, 0, 0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            const auto about = frmAbout::Create(owner());
            ShowWindow(about->hwnd(), SW_SHOW);
            PostMessageW(about->hwnd(), WM_SYSKEYDOWN, VK_F4, 1 << 29);  // Alt+F4
            // The close ends the process; only a failure returns.
            PumpUntil([] { return false; }, 10000);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
