#include "about/frm_about.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "about/win32_about_logo.h"
#include "platform/unique_handle.h"
#include "screen_capture.h"

namespace {

constexpr int kWidth = 249, kHeight = 225, kPictureHeight = 145;

// Handles messages for a while, as a message loop would.
void Pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const auto left = static_cast<std::int32_t>(end - GetTickCount());
        if (left <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}

// Steps run one after the other from inside whatever message loop is running
// (the About window's modal one), each after its delay.
class Schedule {
public:
    static void Add(UINT delay, std::function<void()> step) {
        steps_.emplace_back(delay, std::move(step));
        if (steps_.size() == 1) Arm();
    }

private:
    static void Arm() { SetTimer(nullptr, 0, steps_.front().first, &Fire); }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        const auto step = std::move(steps_.front().second);
        steps_.pop_front();
        if (!steps_.empty()) Arm();
        step();
    }
    static inline std::deque<std::pair<UINT, std::function<void()>>> steps_;
};

// What the window itself paints, from its own images.
ScreenImage PrintClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return CaptureDrawing(client.right, client.bottom, [window](HDC dc) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
}

// Keeps a capture among the test's artefacts for people to look at.
void SaveArtefact(const ScreenImage& capture, const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"GLYPHOR_ARTEFACTS");
    if (!folder) return;
    std::wstring path = folder;
    if (path.starts_with(L"/")) path = L"Z:" + path;  // a host path, seen through Wine's drive Z:
    EXPECT_TRUE(SaveBitmap(capture, path + L"\\" + name)) << "cannot write the artefact";
}

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.reset(CreateWindowExW(0, L"STATIC", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 500, 450,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        ASSERT_TRUE(owner_);
        Pump(50);
    }
    HWND owner() const { return owner_.get(); }

    const std::uint32_t background_ = Rgb(GetSysColor(COLOR_WINDOW));
    const std::uint32_t text_ = Rgb(GetSysColor(COLOR_ACTIVECAPTION));

private:
    unique_hwnd owner_;
};

TEST_F(AboutWindow, IsABorderlessOwnedToolWindow249By225WithTheButtonNeverShown) {
    const auto about = frmAbout::Create(owner());
    ASSERT_TRUE(about);
    RECT area{};
    GetWindowRect(about->hwnd(), &area);
    EXPECT_EQ(area.right - area.left, kWidth);
    EXPECT_EQ(area.bottom - area.top, kHeight);
    EXPECT_EQ(GetWindow(about->hwnd(), GW_OWNER), owner());
    const auto style = GetWindowLongPtrW(about->hwnd(), GWL_STYLE);
    const auto extended = GetWindowLongPtrW(about->hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_TRUE(extended & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(extended & WS_EX_APPWINDOW);
    wchar_t caption[16] = {};
    GetWindowTextW(about->hwnd(), caption, 16);
    EXPECT_STREQ(caption, L"About");

    RECT picture{};
    GetClientRect(about->picture(), &picture);
    EXPECT_EQ(picture.right, kWidth);
    EXPECT_EQ(picture.bottom, kPictureHeight);

    const HWND button = FindWindowExW(about->hwnd(), nullptr, L"Button", L"Hidden Button");
    ASSERT_NE(button, nullptr);
    ShowWindow(about->hwnd(), SW_SHOW);
    Pump(100);
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
    // The left, right and bottom edges.
    const std::uint32_t edge = Rgb(GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(window.At(0, 200), edge);
    EXPECT_EQ(window.At(kWidth - 1, 200), edge);
    EXPECT_EQ(window.At(120, kHeight - 1), edge);
}

TEST_F(AboutWindow, ScrollsTheCreditsWhileShownAndAClickOnThePictureEndsTheShow) {
    const auto about = frmAbout::Create(owner());
    ASSERT_TRUE(about);
    std::vector<ScreenImage> pictures, screens;
    bool ownerEnabledDuringShow = true;
    const auto look = [&] {
        pictures.push_back(PrintClient(about->picture()));
        screens.push_back(CaptureScreen(ScreenRect(about->hwnd())));
        ownerEnabledDuringShow = ownerEnabledDuringShow && IsWindowEnabled(owner());
    };
    Schedule::Add(1500, look);
    Schedule::Add(400, look);
    Schedule::Add(50, [&] { PostMessageW(about->picture(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10)); });

    FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelBefore, &userBefore);
    const DWORD start = GetTickCount();
    about->ShowModal();
    const DWORD elapsed = GetTickCount() - start;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelAfter, &userAfter);

    EXPECT_FALSE(IsWindowVisible(about->hwnd()));
    EXPECT_TRUE(IsWindowEnabled(owner()));
    EXPECT_FALSE(ownerEnabledDuringShow);
    ASSERT_EQ(pictures.size(), 2u);
    for (const auto& picture : pictures) {
        EXPECT_GT(picture.CountOf(text_, 0, kPictureHeight), 0);
        EXPECT_EQ(picture.CountOf(background_, 0, 1), kWidth);  // the top row stays blank
    }
    EXPECT_NE(pictures[0].pixels, pictures[1].pixels);
    // The screen shows what the picture holds.
    EXPECT_GT(screens[1].CountOf(text_, 0, kPictureHeight), 0);
    SaveArtefact(screens[0], L"about-first.bmp");
    SaveArtefact(screens[1], L"about-second.bmp");

    // Between frames the scroller only waits for its timer.
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 10'000;
    };
    const auto busy = ticks(kernelAfter) - ticks(kernelBefore) + ticks(userAfter) - ticks(userBefore);
    EXPECT_LT(busy, elapsed / 4) << "milliseconds of processor time in " << elapsed;
}

TEST_F(AboutWindow, AClickOnTheWindowOutsideThePictureEndsTheShowToo) {
    const auto about = frmAbout::Create(owner());
    ASSERT_TRUE(about);
    Schedule::Add(200, [&] { PostMessageW(about->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(90, 180)); });
    about->ShowModal();
    EXPECT_FALSE(IsWindowVisible(about->hwnd()));
    EXPECT_TRUE(IsWindowEnabled(owner()));
}

TEST_F(AboutWindow, AStartTickAfterTheHideStartsNothing) {
    const auto about = frmAbout::Create(owner());
    ASSERT_TRUE(about);
    ShowWindow(about->hwnd(), SW_SHOW);
    SendMessageW(about->hwnd(), WM_LBUTTONUP, 0, 0);
    SendMessageW(about->hwnd(), WM_TIMER, 1, 0);  // tmrStart, late
    Pump(1200);
    EXPECT_EQ(PrintClient(about->picture()).CountOf(background_, 0, kPictureHeight), kWidth * kPictureHeight);
}

// Finds this thread's visible About window.
HWND ShownAboutWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (std::wstring(name) != L"GlyphorAbout" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(AboutWindow, EveryShowMakesAFreshWindowThatStartsFromTheTop) {
    std::vector<HWND> shown;
    std::vector<int> inkInUpperRows;
    const auto showOnce = [&](UINT lookAfter) {
        Schedule::Add(lookAfter, [&] {
            shown.push_back(ShownAboutWindow());
            const HWND picture = FindWindowExW(shown.back(), nullptr, L"GlyphorBackedPicture", nullptr);
            inkInUpperRows.push_back(PrintClient(picture).CountOf(text_, 0, kPictureHeight - 40));
            PostMessageW(shown.back(), WM_LBUTTONUP, 0, 0);
        });
        ShowAboutModal(owner());
    };
    showOnce(2500);  // long enough for the first lines to climb high
    showOnce(700);
    ASSERT_EQ(shown.size(), 2u);
    ASSERT_NE(shown[0], nullptr);
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_FALSE(IsWindow(shown[0]));
    EXPECT_FALSE(IsWindow(shown[1]));
    EXPECT_GT(inkInUpperRows[0], 0);
    EXPECT_EQ(inkInUpperRows[1], 0);
    EXPECT_TRUE(IsWindowEnabled(owner()));
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
            Pump(2000);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
