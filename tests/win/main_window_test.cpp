#include "app/frm_main.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "pump_messages.h"
#include "child_by_id.h"
#include "platform/registry_access.h"
#include "platform/win32_registry.h"
#include "repair/substitute_settings.h"

namespace {

std::wstring Text(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

MSG Key(UINT message, WPARAM key, LPARAM flags = 0) {
    MSG msg{};
    msg.hwnd = GetFocus();
    msg.message = message;
    msg.wParam = key;
    msg.lParam = flags;
    return msg;
}

void SetShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

void ClearSubstitute() {
    const auto& row = SubstituteSettings::kSubstitute;
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, std::wstring(row.path).c_str(), L"Vrinda");
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        ClearSubstitute();
        form = frmMain::Create(GetModuleHandleW(nullptr));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
        ClearSubstitute();
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

TEST_F(MainWindow, ControlsLiveInTheirContainers) {
    const HWND frame = Get(ControlId::Frame1), panel = Get(ControlId::Picture1);
    EXPECT_EQ(GetParent(Get(ControlId::lblDefFont)), form->hwnd());
    EXPECT_EQ(GetParent(frame), form->hwnd());
    for (int id : {ControlId::lblFont, ControlId::comFont, ControlId::Picture1}) EXPECT_EQ(GetParent(Get(id)), frame);
    for (int id : {ControlId::chkFS, ControlId::chkIE, ControlId::cmdFix, ControlId::cmdDef, ControlId::Command1})
        EXPECT_EQ(GetParent(Get(id)), panel);
}

TEST_F(MainWindow, TabVisitsTheControlsInTheirOrderBothWays) {
    form->Show();
    PumpMessages();
    const std::vector<int> order{ControlId::cmdFix, ControlId::Command1, ControlId::chkFS,
                                 ControlId::comFont, ControlId::cmdDef, ControlId::chkIE};
    const auto focused = [&] {
        const HWND focus = GetFocus();
        for (int id : order)
            if (Get(id) == focus || IsChild(Get(id), focus)) return id;
        return 0;
    };
    ASSERT_EQ(focused(), ControlId::cmdFix);

    SetShift(false);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        MSG tab = Key(WM_KEYDOWN, VK_TAB);
        EXPECT_TRUE(form->PreTranslateMessage(tab));
        EXPECT_EQ(focused(), order[i % order.size()]) << "forward step " << i;
    }
    SetShift(true);
    for (std::size_t i = order.size(); i-- > 0;) {
        MSG tab = Key(WM_KEYDOWN, VK_TAB);
        EXPECT_TRUE(form->PreTranslateMessage(tab));
        EXPECT_EQ(focused(), order[i]) << "backward to " << i;
    }
    SetShift(false);
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

TEST_F(MainWindow, LoadShowsTheSubstituteAndInstallsTheIcons) {
    Win32Registry registry;
    const auto& row = SubstituteSettings::kSubstitute;
    // Bengali letters survive only if every step is wide.
    const std::wstring face = L" \x0995\x09BE\x09B2\x09AA\x09C1\x09B0\x09C1\x09B7 ";
    ASSERT_TRUE(mRegistry::WriteRegistryText(registry, row.root, row.path, row.name, face));

    ASSERT_TRUE(form->Load());
    EXPECT_EQ(Text(Get(ControlId::lblDefFont)), L"Default Font is - " + face);
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
