#include "app/frm_main.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "pump_messages.h"
#include "child_by_id.h"

namespace {

MSG Key(UINT message, WPARAM key, LPARAM flags = 0) {
    MSG msg{};
    msg.hwnd = GetFocus();
    msg.message = message;
    msg.wParam = key;
    msg.lParam = flags;
    return msg;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        form = frmMain::Create(GetModuleHandleW(nullptr));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
    }
    HWND Get(int id) { return ChildById(form->hwnd(), id); }

    std::unique_ptr<frmMain> form;
};

}  // namespace

TEST_F(MainWindow, EveryControlUsesTrebuchetAtNineAndThreeQuarterPoints) {
    const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value;
    }();
    std::vector<HWND> windows{form->hwnd()};
    for (int id = ControlId::lblDefFont; id <= ControlId::Command1; ++id) windows.push_back(Get(id));
    for (HWND window : windows) {
        ASSERT_NE(window, nullptr);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << GetDlgCtrlID(window);
        LOGFONTW face{};
        GetObjectW(font, sizeof face, &face);
        EXPECT_STREQ(face.lfFaceName, L"Trebuchet MS");
        EXPECT_EQ(face.lfHeight, -MulDiv(975, dpi, 7200));
        EXPECT_EQ(face.lfWeight, FW_NORMAL);
        EXPECT_EQ(face.lfCharSet, ANSI_CHARSET);
        EXPECT_FALSE(face.lfItalic || face.lfUnderline || face.lfStrikeOut);
    }
}

TEST_F(MainWindow, AccessKeysPressTheButtons) {
    std::vector<int> pressed;
    SetWindowSubclass(
        form->hwnd(),
        [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) -> LRESULT {
            // Recorded, not run: the buttons' operations have tests of their own.
            if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
                reinterpret_cast<std::vector<int>*>(data)->push_back(LOWORD(wParam));
                return 0;
            }
            return DefSubclassProc(window, message, wParam, lParam);
        },
        1, reinterpret_cast<DWORD_PTR>(&pressed));
    form->Show();
    PumpMessages();
    for (wchar_t key : {L'f', L'r', L'a'}) {
        MSG alt = Key(WM_SYSCHAR, key, 1 << 29);
        form->PreTranslateMessage(alt);
        PumpMessages();
    }
    EXPECT_EQ(pressed, (std::vector<int>{ControlId::cmdFix, ControlId::cmdDef, ControlId::Command1}));
}

// Other processes cannot read a window's icons under Wine, so this is the
// only check that the load installs them.
TEST_F(MainWindow, LoadInstallsTheIcons) {
    ASSERT_TRUE(form->Load());
    EXPECT_NE(SendMessageW(form->hwnd(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(form->hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindow, ControlsOfferTheirStateToTheOperations) {
    EXPECT_EQ(form->FontChoiceText(), L"Choose a Font from the list");
    EXPECT_TRUE(form->SmoothingTicked());
    EXPECT_FALSE(form->InternetExplorerTicked());
    SendMessageW(Get(ControlId::chkIE), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(Get(ControlId::chkFS), BM_SETCHECK, BST_UNCHECKED, 0);
    SetWindowTextW(Get(ControlId::comFont), L"  Likhan ");
    EXPECT_EQ(form->FontChoiceText(), L"  Likhan ");
    EXPECT_FALSE(form->SmoothingTicked());
    EXPECT_TRUE(form->InternetExplorerTicked());
}
