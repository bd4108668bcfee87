#include "platform/win32_window_icon.h"

#include <gtest/gtest.h>

#include "platform/unique_handle.h"

namespace {

HICON IconOf(HWND window, WPARAM size) {
    return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, size, 0));
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    unique_hbitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

class WindowIcon : public ::testing::Test {
protected:
    unique_hwnd MakeWindow(HWND owner) {
        return unique_hwnd(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, owner, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
    }
};

}  // namespace

TEST_F(WindowIcon, WindowAndTopLevelOwnerGetBothSizesButNotTheOwnerBetween) {
    auto top = MakeWindow(nullptr);
    auto middle = MakeWindow(top.get());
    auto window = MakeWindow(middle.get());
    ASSERT_TRUE(top && middle && window);

    mMain::SetWindowIcon(window.get(), L"APPICON", true);

    for (HWND receiver : {window.get(), top.get()}) {
        const HICON big = IconOf(receiver, ICON_BIG), small = IconOf(receiver, ICON_SMALL);
        ASSERT_NE(big, nullptr);
        ASSERT_NE(small, nullptr);
        EXPECT_EQ(IconWidth(big), GetSystemMetrics(SM_CXICON));
        EXPECT_EQ(IconWidth(small), GetSystemMetrics(SM_CXSMICON));
    }
    EXPECT_EQ(IconOf(middle.get(), ICON_BIG), nullptr);
    EXPECT_EQ(IconOf(middle.get(), ICON_SMALL), nullptr);
    // Shared icons: the same handle for the same size, whoever got it.
    EXPECT_EQ(IconOf(window.get(), ICON_BIG), IconOf(top.get(), ICON_BIG));
}

TEST_F(WindowIcon, WithoutOwnerFlagOnlyTheWindowChanges) {
    auto owner = MakeWindow(nullptr);
    auto window = MakeWindow(owner.get());
    mMain::SetWindowIcon(window.get(), L"APPICON", false);
    EXPECT_NE(IconOf(window.get(), ICON_BIG), nullptr);
    EXPECT_EQ(IconOf(owner.get(), ICON_BIG), nullptr);
}

TEST_F(WindowIcon, UnownedWindowEndsAlikeWithEitherFlag) {
    auto a = MakeWindow(nullptr), b = MakeWindow(nullptr);
    mMain::SetWindowIcon(a.get(), L"APPICON", true);
    mMain::SetWindowIcon(b.get(), L"APPICON", false);
    EXPECT_EQ(IconOf(a.get(), ICON_BIG), IconOf(b.get(), ICON_BIG));
    EXPECT_EQ(IconOf(a.get(), ICON_SMALL), IconOf(b.get(), ICON_SMALL));
}

TEST_F(WindowIcon, UnknownNameClearsQuietly) {
    auto window = MakeWindow(nullptr);
    mMain::SetWindowIcon(window.get(), L"APPICON", false);
    mMain::SetWindowIcon(window.get(), L"NO_SUCH_ICON", true);
    EXPECT_EQ(IconOf(window.get(), ICON_BIG), nullptr);
    EXPECT_EQ(IconOf(window.get(), ICON_SMALL), nullptr);
}
