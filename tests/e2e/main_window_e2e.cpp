#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "app/control_ids.h"
#include "driver.h"
#include "platform/registry_access.h"
#include "platform/win32_registry.h"
#include "repair/substitute_settings.h"

using namespace driver;

namespace {

void SetSubstitute(const std::wstring* face) {
    const auto& row = SubstituteSettings::kSubstitute;
    if (face) {
        Win32Registry registry;
        ASSERT_TRUE(mRegistry::WriteRegistryText(registry, row.root, row.path, row.name, *face));
    } else {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, std::wstring(row.path).c_str(), std::wstring(row.name).c_str());
    }
}

struct Expected {
    int id;
    const wchar_t* cls;
    const wchar_t* text;
    int parent;  // 0: the main window
    int left, top, width, height;
};

}  // namespace

TEST(MainWindowEndToEnd, WindowAndControlsAreLaidOutAsDesigned) {
    SetSubstitute(nullptr);
    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);

    const auto style = static_cast<DWORD>(GetWindowLongPtrW(glyphor.window, GWL_STYLE));
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client{};
    GetClientRect(glyphor.window, &client);
    EXPECT_EQ(client.right, ScreenPixels(3420));
    EXPECT_EQ(client.bottom, ScreenPixels(3545));
    RECT frame{};
    GetWindowRect(glyphor.window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    using namespace ControlId;
    const Expected controls[] = {
        {lblDefFont, L"Static", L"Default Font is - Vrinda", 0, 120, 120, 3135, 255},
        {Frame1, L"Button", L":: Choose your font  ::", 0, 90, 480, 3240, 2960},
        {lblFont, L"Static", L"Font Name: (e.g.- Bangla)", Frame1, 225, 315, 2670, 330},
        {comFont, L"ComboBox", L"Choose a Font from the list", Frame1, 120, 675, 3015, 390},
        {Picture1, L"GlyphorPanel", L"", Frame1, 120, 1080, 3045, 1835},
        {chkFS, L"Button", L" Enable Font Smoothing", Picture1, 120, 80, 2895, 270},
        {chkIE, L"Button", L" Set as IE Default for Bengali", Picture1, 120, 400, 2895, 270},
        {chkBrowsers, L"Button", L" Set in Edge, Chrome and Firefox", Picture1, 120, 720, 2895, 450},
        {cmdFix, L"Button", L"&Fix It", Picture1, 120, 1340, 885, 420},
        {cmdDef, L"Button", L"&Restore", Picture1, 1080, 1340, 915, 420},
        {Command1, L"Button", L"&About", Picture1, 2040, 1340, 885, 420},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.text);
        const HWND control = ChildById(glyphor.window, c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassOf(control), c.cls);
        EXPECT_EQ(TextOf(control), c.text);
        EXPECT_EQ(GetParent(control), c.parent ? ChildById(glyphor.window, c.parent) : glyphor.window);
        const RECT r = RectInParent(control);
        EXPECT_NEAR(r.left, ScreenPixels(c.left), 1);
        EXPECT_NEAR(r.top, ScreenPixels(c.top), 1);
        EXPECT_NEAR(r.right - r.left, ScreenPixels(c.width), 1);
        EXPECT_NEAR(r.bottom - r.top, ScreenPixels(c.height), 1);
        EXPECT_TRUE(IsWindowVisible(control) && IsWindowEnabled(control));
    }

    const HWND combo = ChildById(glyphor.window, comFont);
    EXPECT_TRUE(GetWindowLongPtrW(combo, GWL_STYLE) & CBS_SORT);
    EXPECT_EQ(GetWindowLongPtrW(combo, GWL_STYLE) & 3, CBS_DROPDOWN);
    EXPECT_EQ(SendMessageW(ChildById(glyphor.window, chkFS), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(ChildById(glyphor.window, chkIE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(ChildById(glyphor.window, chkBrowsers), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(MainWindowEndToEnd, FocusStartsOnFixItAndTabFollowsTheDesignedOrderBothWays) {
    SetSubstitute(nullptr);
    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);
    const DWORD thread = GetWindowThreadProcessId(glyphor.window, nullptr);
    const auto focusedOn = [&](int id) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        const HWND expected = ChildById(glyphor.window, id);
        return info.hwndFocus == expected || IsChild(expected, info.hwndFocus);
    };
    // Keys go to the active window.
    ASSERT_TRUE(WaitUntil(5s, [&] { return GetForegroundWindow() == glyphor.window; }));

    using namespace ControlId;
    const int order[] = {cmdFix, Command1, chkFS, comFont, cmdDef, chkIE, chkBrowsers, cmdFix};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        if (i > 0) PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil(5s, [&] { return focusedOn(order[i]); })) << "expected control " << order[i];
    }
    for (std::size_t i = std::size(order) - 1; i-- > 0;) {
        PressKey(VK_TAB, true);
        EXPECT_TRUE(WaitUntil(5s, [&] { return focusedOn(order[i]); })) << "back to control " << order[i];
    }
}

TEST(MainWindowEndToEnd, LabelShowsTheSubstituteFromTheRegistry) {
    const std::wstring face = L"  Likhan \x09B2\x09BF\x0996\x09A8 ";
    SetSubstitute(&face);
    {
        StartedGlyphor glyphor;
        ASSERT_NE(glyphor.window, nullptr);
        EXPECT_EQ(TextOf(ChildById(glyphor.window, ControlId::lblDefFont)), L"Default Font is - " + face);
    }
    SetSubstitute(nullptr);
    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);
    EXPECT_EQ(TextOf(ChildById(glyphor.window, ControlId::lblDefFont)), L"Default Font is - Vrinda");
}

TEST(MainWindowEndToEnd, SecondInstanceSaysAlreadyRunningAndLeavesTheFirstAlone) {
    SetSubstitute(nullptr);
    StartedGlyphor first;
    ASSERT_NE(first.window, nullptr);

    Program second(BuildPath(L"glyphor.exe"));
    const MessageBoxSeen box = WaitForMessageBox(second.pid());
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.title, L"Glyphor");
    EXPECT_EQ(box.text, L"Already Running");
    for (HWND window : TopLevelWindowsOf(second.pid())) EXPECT_NE(ClassOf(window), L"GlyphorMain");

    Answer(box.window, IDOK);
    EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>{0});
    EXPECT_TRUE(first.program.Running());
    EXPECT_TRUE(IsWindowVisible(first.window));
}

TEST(MainWindowEndToEnd, ClosingTheWindowEndsTheProgram) {
    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);
    PostMessageW(glyphor.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(glyphor.program.WaitForExit(), std::optional<DWORD>{0});
    glyphor.window = nullptr;
}
