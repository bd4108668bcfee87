// The About window driven from outside, as a person meets it: pressed open
// from the main window, looked at on the display, clicked away.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "app/control_ids.h"
#include "driver.h"
#include "screen_capture.h"
#include "screen_check.h"

using namespace driver;

namespace {

class About : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(glyphor.window, nullptr); }

    HWND AboutButton() const { return ChildById(glyphor.window, ControlId::Command1); }
    // The About window that the press brings up; null when none shows.
    HWND Show() const {
        Click(AboutButton());
        return Shown();
    }
    HWND Shown() const { return FindWindowOf(glyphor.program.pid(), L"GlyphorAbout", L"About"); }
    static HWND PictureOf(HWND about) { return FindWindowExW(about, nullptr, L"GlyphorBackedPicture", nullptr); }
    static ScreenImage Capture(HWND window) { return CaptureScreen(ScreenRect(window)); }
    static bool Gone(HWND window) { return !IsWindow(window) || !IsWindowVisible(window); }

    // On the display once its bottom edge line is, and the picture's top
    // row, which the credits leave blank.
    ::testing::AssertionResult WaitUntilPainted(HWND about, const std::wstring& what) const {
        const ScreenExpectation painted{
            "the window's bottom edge line on its last row and a blank top row",
            [&](const ScreenImage& window, std::string& measured) {
                measured = std::to_string(window.width) + "x" + std::to_string(window.height) + " on the screen";
                return window.height == height && window.CountOtherThan(edge, height - 1, height) == 0 &&
                       window.CountOtherThan(background, 0, 1) == 0;
            }};
        return WaitForScreen([about] { return ScreenRect(about); }, painted, what, 5s);
    }

    void Keep(const ScreenImage& image, const std::wstring& name) const {
        EXPECT_TRUE(SaveBitmap(image, ArtefactPath(name))) << "cannot keep " << name;
    }

    StartedGlyphor glyphor;
    const std::uint32_t background = Rgb(GetSysColor(COLOR_WINDOW));
    const std::uint32_t text = Rgb(GetSysColor(COLOR_ACTIVECAPTION));
    const std::uint32_t edge = Rgb(GetSysColor(COLOR_WINDOWTEXT));
    const int width = ScreenPixels(3735), height = ScreenPixels(3375), pictureHeight = ScreenPixels(2175);
    // Where the credits may be this soon after a show: coming in at the
    // bottom, a line's height and some way up.
    const int entryRows = ScreenPixels(600);
};

TEST_F(About, ShowsABorderlessOwnedWindowCentredOverTheMainWindowWhichTakesNoInputMeanwhile) {
    const HWND about = Show();
    ASSERT_NE(about, nullptr);

    const auto style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_STYLE));
    const auto extended = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_EXSTYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));  // WS_CAPTION holds WS_BORDER
    EXPECT_FALSE(extended & (WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    const RECT frame = ScreenRect(about);
    EXPECT_EQ(frame.right - frame.left, width);
    EXPECT_EQ(frame.bottom - frame.top, height);
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, width) << "a frame takes part of the window";
    EXPECT_EQ(client.bottom, height) << "a frame takes part of the window";

    EXPECT_EQ(GetWindow(about, GW_OWNER), glyphor.window);
    EXPECT_FALSE(IsWindowEnabled(glyphor.window));
    const RECT main = ScreenRect(glyphor.window);
    EXPECT_NEAR((frame.left + frame.right) / 2.0, (main.left + main.right) / 2.0, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2.0, (main.top + main.bottom) / 2.0, 1);

    const HWND picture = PictureOf(about);
    ASSERT_NE(picture, nullptr);
    const RECT pictureArea = ScreenRect(picture);
    EXPECT_EQ(pictureArea.left, frame.left);
    EXPECT_EQ(pictureArea.top, frame.top);
    EXPECT_EQ(pictureArea.right - pictureArea.left, width);
    EXPECT_EQ(pictureArea.bottom - pictureArea.top, pictureHeight);

    // The edge lines of the lower part lie on the window's outermost pixels:
    // nothing is drawn around the window on the display either.
    ASSERT_TRUE(WaitUntilPainted(about, L"painted"));
    const ScreenImage window = Capture(about);
    Keep(window, L"about-window.bmp");
    for (int y = pictureHeight; y < height; ++y) {
        EXPECT_EQ(window.At(0, y), edge) << "left edge, row " << y;
        EXPECT_EQ(window.At(width - 1, y), edge) << "right edge, row " << y;
    }
    EXPECT_TRUE(IsWindowVisible(glyphor.window));
}

TEST_F(About, CreditsRollUpThroughThePicture) {
    const HWND about = Show();
    ASSERT_NE(about, nullptr);
    const HWND picture = PictureOf(about);
    ASSERT_NE(picture, nullptr);

    // The first capture once the window is on the display and some text has
    // climbed above the rows where lines enter, so that there is something
    // to follow, while no line is leaving at the top (a slow machine may
    // catch one there).
    ASSERT_TRUE(WaitUntilPainted(about, L"painted"));
    const auto pictureArea = [picture] { return ScreenRect(picture); };
    ScreenImage first, second;
    const ScreenExpectation climbing{"text in the text colour above the entry rows, none on the top row",
                                     [&](const ScreenImage& image, std::string&) {
                                         return std::count(image.pixels.begin(), image.pixels.end(), text) > 0 &&
                                                image.CountOtherThan(background, 0,
                                                                     pictureHeight - ScreenPixels(300)) > 0 &&
                                                image.CountOtherThan(background, 0, 1) == 0;
                                     }};
    EXPECT_TRUE(WaitForScreen(pictureArea, climbing, L"credits-first", 5s, &first));
    std::optional<int> moved;
    const ScreenExpectation rolled{"the first capture's text moved up", [&](const ScreenImage& image, std::string&) {
                                       moved = RowsMovedUp(first, image, pictureHeight / 2, background);
                                       return moved && *moved > 0;
                                   }};
    EXPECT_TRUE(WaitForScreen(pictureArea, rolled, L"credits-moved", 5s, &second));
    ASSERT_EQ(first.height, pictureHeight);
    ASSERT_EQ(second.height, pictureHeight);
    Keep(first, L"credits-first.bmp");
    Keep(second, L"credits-second.bmp");

    EXPECT_GT(first.CountOtherThan(background), 0) << "no text within 5 s";
    EXPECT_GT(std::count(first.pixels.begin(), first.pixels.end(), text), 0) << "no pixel in the text colour";
    EXPECT_EQ(first.CountOtherThan(background, 0, 1), 0) << "the top row holds text";
    ASSERT_TRUE(moved.has_value()) << "no later capture shows an upward shift of the first";
    EXPECT_GT(*moved, 0) << "the text stood still";
    EXPECT_TRUE(IsWindowVisible(about));
}

TEST_F(About, AClickAnywhereOnItHidesItAndGivesTheMainWindowBack) {
    struct Place {
        const char* what;
        POINT at;  // relative to the About window
    };
    const Place places[] = {
        {"picture", {width / 2, pictureHeight / 2}},
        {"logo", {ScreenPixels(915 + 960), ScreenPixels(2280 + 510)}},
        {"bare window below the picture", {ScreenPixels(300), ScreenPixels(3100)}},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.what);
        const HWND about = Show();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(WaitUntilPainted(about, L"painted"));
        const RECT frame = ScreenRect(about);
        ClickAt({frame.left + place.at.x, frame.top + place.at.y});
        EXPECT_TRUE(WaitUntil(5s, [&] { return Gone(about); })) << "still shown";
        EXPECT_TRUE(IsWindowEnabled(glyphor.window));
        EXPECT_TRUE(WaitUntil(5s, [&] { return GetForegroundWindow() == glyphor.window; }))
            << "the main window is not the active one again";
        EXPECT_TRUE(glyphor.program.Running());
    }
}

TEST_F(About, TheNextPressShowsAFreshWindowWhoseCreditsStartFromTheTop) {
    const HWND first = Show();
    ASSERT_NE(first, nullptr);
    // The check on the second show could fail: text climbs high here.
    ScreenImage climbed;
    const ScreenExpectation high{"text above the rows where lines enter", [&](const ScreenImage& image, std::string&) {
                                     return image.CountOtherThan(background, 0, pictureHeight - entryRows) > 0;
                                 }};
    ASSERT_TRUE(WaitForScreen([first] { return ScreenRect(PictureOf(first)); }, high, L"credits-climbed", 10s,
                              &climbed));
    Keep(climbed, L"first-show.bmp");
    ClickAt(CentreOf(PictureOf(first)));
    ASSERT_TRUE(WaitUntil(5s, [&] { return Gone(first); }));

    // A person's click reaches the main window's button again, once the
    // window is back: a click on it while still disabled is dropped.
    ASSERT_TRUE(WaitUntil(5s, [&] {
        return IsWindowEnabled(glyphor.window) && GetForegroundWindow() == glyphor.window;
    })) << "the main window did not come back";
    ClickAt(CentreOf(AboutButton()));
    const HWND second = Shown();
    ASSERT_NE(second, nullptr) << "the click on About opened nothing";
    EXPECT_NE(second, first);
    EXPECT_FALSE(IsWindow(first)) << "the first window was hidden, not destroyed";
    ASSERT_TRUE(WaitUntilPainted(second, L"second-painted"));
    const ScreenImage fresh = Capture(PictureOf(second));
    Keep(fresh, L"second-show.bmp");
    EXPECT_EQ(fresh.CountOtherThan(background, 0, pictureHeight - entryRows), 0)
        << "text above the bottom rows: the credits went on from where they were";

    const ScreenExpectation rolling{"credits in the picture", [&](const ScreenImage& image, std::string&) {
                                        return image.CountOtherThan(background) > 0;
                                    }};
    EXPECT_TRUE(WaitForScreen([second] { return ScreenRect(PictureOf(second)); }, rolling, L"second-credits", 5s));
}

}  // namespace
