// Glyphor on a 150 % screen: the prefix's LogPixels is 144 before it starts.
// This runner itself started at 96 DPI, so it converts with 144 by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "about/about_layout.h"
#include "app/control_ids.h"
#include "app/font_preview_sample.h"
#include "app/main_layout.h"
#include "driver.h"
#include "platform/twips.h"
#include "platform/win32_create_font.h"
#include "screen_capture.h"
#include "screen_check.h"

using namespace driver;

namespace {

constexpr int kDpi = 144;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return -1;
    return static_cast<LRESULT>(result);
}

// The pixels other than the background inside their tight box, from column
// fromX on: what text leaves on a picture, wherever it was put.
struct Ink {
    int width = 0, height = 0;
    std::vector<bool> mask;
};

Ink InkOf(const ScreenImage& image, int fromX, std::uint32_t background) {
    int left = image.width, top = image.height, right = -1, bottom = -1;
    for (int y = 0; y < image.height; ++y)
        for (int x = fromX; x < image.width; ++x)
            if (image.At(x, y) != background)
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    Ink ink;
    if (right < 0) return ink;
    ink.width = right - left + 1, ink.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) ink.mask.push_back(image.At(x, y) != background);
    return ink;
}

// The share of the inked pixels the two have in common; 0 for boxes of
// different sizes.
double Likeness(const Ink& a, const Ink& b) {
    if (a.width != b.width || a.height != b.height || a.mask.empty()) return 0;
    int both = 0, either = 0;
    for (std::size_t i = 0; i < a.mask.size(); ++i) both += a.mask[i] && b.mask[i], either += a.mask[i] || b.mask[i];
    return static_cast<double>(both) / either;
}

// The Bengali sample as this test draws it in the family, black on white.
ScreenImage DrawSample(const std::wstring& family, int emHeight) {
    const unique_hfont font = CreateRegularFont(family, -emHeight, DEFAULT_CHARSET);
    return CaptureDrawing(emHeight * 12, emHeight * 3, [&](HDC dc) {
        RECT area{0, 0, emHeight * 12, emHeight * 3};
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const unique_select_object selection(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, kBengaliSample.data(), static_cast<int>(kBengaliSample.size()), &area,
                  DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    });
}

// The class of the window at a point of the screen (or of the foreground
// window), and whose it is: a failed comparison may have read another window.
std::string DescribeWindowAt(std::optional<POINT> point) {
    const HWND window = point ? WindowFromPoint(*point) : GetForegroundWindow();
    if (!window) return "no window";
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return ::testing::PrintToString(ClassOf(window)) + " of process " + std::to_string(pid);
}

class HighDpi : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const DWORD dpi = kDpi;
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                                  sizeof dpi),
                  ERROR_SUCCESS);
    }
    void SetUp() override { ASSERT_NE(glyphor.window, nullptr); }

    // A length of the 96-DPI layout, half as long again.
    static void ExpectScaled(int actual, int at96, const char* what) {
        EXPECT_NEAR(actual, at96 * 1.5, 1.0) << what;
    }

    StartedGlyphor glyphor;
};

TEST_F(HighDpi, MainWindowAndItsControlsAreHalfAgainAsLarge) {
    const MainLayout at96 = MainLayoutAt(96);
    RECT client{};
    GetClientRect(glyphor.window, &client);
    ExpectScaled(client.right, at96.clientWidth, "client width");
    ExpectScaled(client.bottom, at96.clientHeight, "client height");
    for (const MainControlPlace& place : at96.controls) {
        SCOPED_TRACE(::testing::Message() << "control " << place.id);
        const HWND control = ChildById(glyphor.window, place.id);
        ASSERT_NE(control, nullptr);
        const RECT r = RectInParent(control);
        ExpectScaled(r.left, place.rect.left, "left");
        ExpectScaled(r.top, place.rect.top, "top");
        ExpectScaled(r.right - r.left, place.rect.right - place.rect.left, "width");
        ExpectScaled(r.bottom - r.top, place.rect.bottom - place.rect.top, "height");
    }
}

TEST_F(HighDpi, AboutWindowIsHalfAgainAsLargeAndEscGivesTheMainWindowBack) {
    Click(ChildById(glyphor.window, ControlId::Command1));
    const HWND about = FindWindowOf(glyphor.program.pid(), L"GlyphorAbout", L"About");
    ASSERT_NE(about, nullptr);
    const AboutLayout at96 = AboutLayoutAt(96);
    const RECT frame = ScreenRect(about);
    ExpectScaled(frame.right - frame.left, at96.width, "width");
    ExpectScaled(frame.bottom - frame.top, at96.height, "height");
    // The lower part's edges lie on the outermost pixels at this DPI too.
    const std::uint32_t edge = Rgb(GetSysColor(COLOR_WINDOWTEXT));
    const ScreenExpectation edges{"the lower part's edge lines on the last row and the last column",
                                  [&](const ScreenImage& window, std::string& measured) {
                                      const int off = window.CountOtherThan(edge, window.height - 1, window.height);
                                      measured = std::to_string(off) + " pixels of the last row off the edge colour";
                                      return off == 0 && window.At(window.width - 1, window.height - 2) == edge;
                                  }};
    ASSERT_TRUE(WaitForScreen([&] { return frame; }, edges, L"about-edges", 5s));
    ASSERT_TRUE(WaitUntil(5s, [&] { return GetForegroundWindow() == about; }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil(5s, [&] { return !IsWindowVisible(about); })) << "still shown";
    EXPECT_TRUE(IsWindowEnabled(glyphor.window));
    EXPECT_TRUE(WaitUntil(5s, [&] { return GetForegroundWindow() == glyphor.window; }));
    // The window takes the focus back as it handles its activation, a moment after it is in front.
    EXPECT_TRUE(WaitUntil(5s, [&] {
        GUITHREADINFO input{};
        input.cbSize = sizeof input;
        GetGUIThreadInfo(GetWindowThreadProcessId(glyphor.window, nullptr), &input);
        return IsChild(glyphor.window, input.hwndFocus) != FALSE;
    })) << "the keyboard focus is not in the main window";
    EXPECT_TRUE(glyphor.program.Running());
}

TEST_F(HighDpi, EachListEntryShowsTheBengaliSampleInItsOwnFamily) {
    const HWND combo = ChildById(glyphor.window, ControlId::comFont);
    // The list is dropped by a click on its button, once the window is on
    // the display there (bare, the display is black): a CB_SHOWDROPDOWN that
    // reaches Glyphor before it has taken in the display's news of its
    // window's mapping leaves the list under the window on the screen.
    const RECT field = ScreenRect(combo);
    const ScreenExpectation onDisplay{"the combo box drawn over the bare display",
                                      [](const ScreenImage& shown, std::string& measured) {
                                          const int drawn = shown.CountOtherThan(0x000000);
                                          measured = std::to_string(drawn) + " pixels other than the bare display's";
                                          return drawn > 0;
                                      }};
    ASSERT_TRUE(WaitForScreen([&] { return field; }, onDisplay, L"combo-shown", 5s));
    ASSERT_TRUE(ClickOnDisplay({field.right - TwipsToPixels(120, kDpi), (field.top + field.bottom) / 2}))
        << "xdotool did not start";
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil(5s, [&] {
        for (HWND window : TopLevelWindowsOf(glyphor.program.pid()))
            if (ClassOf(window) == L"ComboLBox") list = window;
        return list != nullptr;
    })) << "the list did not drop";
    const int itemHeight = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
    EXPECT_NEAR(itemHeight, MainLayoutAt(96).listItemHeight * 1.5, 1.0);
    POINT origin{0, 0};
    ClientToScreen(list, &origin);
    RECT client{};
    GetClientRect(list, &client);
    const int shown = std::min(static_cast<int>(Send(combo, CB_GETCOUNT)), static_cast<int>(client.bottom) / itemHeight);
    ASSERT_GE(shown, 2) << "the host's Bengali fonts are missing";

    for (int i = 0; i < shown; ++i) {
        std::wstring family(static_cast<std::size_t>(Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i))) + 1, L'\0');
        family.resize(static_cast<std::size_t>(
            Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(family.data()))));
        SCOPED_TRACE(::testing::PrintToString(family));
        const int top = origin.y + i * itemHeight;
        const ScreenImage sampleDrawn = DrawSample(family, TwipsToPixels(225, kDpi));  // 11.25 pt
        const Ink expected = InkOf(sampleDrawn, 0, 0xFFFFFF);
        // The name stays in the left half; the sample is all the right half
        // holds. The list paints its entries some time after it drops.
        const ScreenExpectation sample{
            "the right half to hold the sample as drawn in its family (likeness > 0.9)",
            [&](const ScreenImage& item, std::string& measured) {
                const Ink drawn = InkOf(item, item.width / 2, Rgb(GetSysColor(COLOR_WINDOW)));
                const double likeness = Likeness(drawn, expected);
                measured = "likeness " + std::to_string(likeness) + ", ink " + std::to_string(drawn.width) + "x" +
                           std::to_string(drawn.height) + " against " + std::to_string(expected.width) + "x" +
                           std::to_string(expected.height) + ", list " +
                           (Send(combo, CB_GETDROPPEDSTATE) == TRUE ? "dropped" : "closed") + ", on top there " +
                           DescribeWindowAt(POINT{origin.x + client.right * 3 / 4, top + itemHeight / 2}) +
                           ", foreground " + DescribeWindowAt(std::nullopt) + " (Glyphor is process " +
                           std::to_string(glyphor.program.pid()) + ")";
                return likeness > 0.9;
            }};
        const std::wstring what = L"item-" + std::to_wstring(i);
        // The list's place is asked for at each look: Wine may report the
        // popup on top before it has put it on the screen where it stays.
        const auto drawnAsExpected = WaitForScreen(
            [&] {
                POINT now{0, 0};
                ClientToScreen(list, &now);
                const int at = now.y + i * itemHeight;
                return RECT{now.x, at, now.x + client.right, at + itemHeight};
            },
            sample, what, 5s);
        if (drawnAsExpected) continue;
        const std::wstring expectedPicture = EvidencePath(what + L"-expected");
        SaveBitmap(sampleDrawn, expectedPicture);
        ADD_FAILURE() << drawnAsExpected.message() << "; the sample as drawn here is in "
                      << ::testing::PrintToString(expectedPicture);
    }
    Send(combo, CB_SHOWDROPDOWN, FALSE);
}

}  // namespace
