// What the two windows do with WM_DPICHANGED, which no test display here can
// send: take the new DPI's layout, and a rectangle near Windows' suggestion.
#include "platform/dpi_placement.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "about/about_layout.h"
#include "app/main_layout.h"

namespace {

struct Move {
    const char* what;
    int dpi;               // the new DPI
    FrameInsets frame;     // the frame at the new DPI
    PixelRect suggested;   // what Windows suggests
    bool about;            // the About window rather than the main window
};

// The main window's frame is 3 pixels and a 19-pixel caption at 96 DPI here;
// Windows scales the whole old rectangle, frame included.
const Move kMoves[] = {
    {"main window to a 150 % monitor", 144, {4, 30, 4, 4}, {1920, 100, 1920 + 351, 100 + 342}, false},
    {"main window back to 100 %", 96, {3, 22, 3, 3}, {395, 270, 395 + 233, 270 + 228}, false},
    {"main window to 125 %, suggested too small", 120, {4, 27, 4, 4}, {-600, 40, -600 + 290, 40 + 283}, false},
    {"main window to 200 %", 192, {6, 42, 6, 6}, {2000, 0, 2000 + 468, 0 + 456}, false},
    {"About window to 200 %", 192, {}, {2100, 50, 2100 + 498, 50 + 450}, true},
    {"About window to 150 %, a pixel off", 144, {}, {700, 300, 700 + 375, 300 + 337}, true},
};

TEST(DpiChange, EachWindowTakesItsNewLayoutsSizeCentredOnTheSuggestion) {
    for (const Move& move : kMoves) {
        SCOPED_TRACE(move.what);
        std::int32_t clientWidth = 0, clientHeight = 0;
        if (move.about) {
            const AboutLayout layout = AboutLayoutAt(move.dpi);
            clientWidth = layout.width;
            clientHeight = layout.height;
        } else {
            const MainLayout layout = MainLayoutAt(move.dpi);
            clientWidth = layout.clientWidth;
            clientHeight = layout.clientHeight;
        }
        const PixelRect placed = PlaceForNewDpi(move.suggested, move.frame, clientWidth, clientHeight);
        EXPECT_EQ(placed.right - placed.left, move.frame.left + clientWidth + move.frame.right);
        EXPECT_EQ(placed.bottom - placed.top, move.frame.top + clientHeight + move.frame.bottom);
        // Centred: the suggestion's spare pixels split, the odd one to the right or bottom.
        const auto spare = [](std::int32_t near, std::int32_t far) { return std::abs(near - far); };
        EXPECT_LE(spare(placed.left - move.suggested.left, move.suggested.right - placed.right), 1);
        EXPECT_LE(spare(placed.top - move.suggested.top, move.suggested.bottom - placed.bottom), 1);
    }
}

TEST(DpiChange, ASuggestionOfTheRightSizeIsTakenAsItIs) {
    const MainLayout layout = MainLayoutAt(144);
    const FrameInsets frame{4, 30, 4, 4};
    const PixelRect exact{-1500, 200, -1500 + OuterWidth(frame, layout.clientWidth),
                          200 + OuterHeight(frame, layout.clientHeight)};
    EXPECT_EQ(PlaceForNewDpi(exact, frame, layout.clientWidth, layout.clientHeight), exact);
    const AboutLayout about = AboutLayoutAt(120);
    const PixelRect borderless{10, 10, 10 + about.width, 10 + about.height};
    EXPECT_EQ(PlaceForNewDpi(borderless, {}, about.width, about.height), borderless);
}

TEST(DpiChange, OddSparePixelsGoTheSameWayOnEitherSideOfTheOrigin) {
    // One pixel too wide and too tall: the window keeps the suggestion's top left.
    EXPECT_EQ(PlaceForNewDpi({-101, -101, 0, 0}, {}, 100, 100), (PixelRect{-101, -101, -1, -1}));
    EXPECT_EQ(PlaceForNewDpi({100, 100, 201, 201}, {}, 100, 100), (PixelRect{100, 100, 200, 200}));
    // One pixel short: the window reaches one pixel further left and up.
    EXPECT_EQ(PlaceForNewDpi({-99, -99, 0, 0}, {}, 100, 100), (PixelRect{-100, -100, 0, 0}));
    EXPECT_EQ(PlaceForNewDpi({100, 100, 199, 199}, {}, 100, 100), (PixelRect{99, 99, 199, 199}));
}

}  // namespace
