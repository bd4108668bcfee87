// What the two windows do with WM_DPICHANGED, which no test display here can
// send: take the new DPI's layout, centred on Windows' suggestion.
#include "platform/dpi_placement.h"

#include <gtest/gtest.h>

#include "about/about_layout.h"
#include "app/main_layout.h"

namespace {

TEST(DpiChange, EachWindowTakesItsNewLayoutsSizeCentredOnTheSuggestion) {
    const struct {
        const char* what;
        int dpi;
        FrameInsets frame;    // at the new DPI; the About window has none
        PixelRect suggested;  // the old rectangle scaled, frame and all
        PixelRect expected;
    } moves[] = {
        // Client 342 x 355: one pixel to spare across.
        {"main window to 150 %", 144, {4, 30, 4, 4}, {1920, 100, 2271, 489}, {1920, 100, 2270, 489}},
        // Client 285 x 295: one pixel short each way, on the left of the origin.
        {"main window to 125 %", 120, {4, 27, 4, 4}, {-600, 40, -308, 365}, {-601, 39, -308, 365}},
        {"main window back to 100 %", 96, {3, 22, 3, 3}, {395, 270, 629, 531}, {395, 270, 629, 531}},
        // 498 x 450, as suggested.
        {"About window to 200 %", 192, {}, {2100, 50, 2598, 500}, {2100, 50, 2598, 500}},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.what);
        std::int32_t width = 0, height = 0;
        if (move.frame.top) {
            const MainLayout layout = MainLayoutAt(move.dpi);
            width = layout.clientWidth, height = layout.clientHeight;
        } else {
            const AboutLayout layout = AboutLayoutAt(move.dpi);
            width = layout.width, height = layout.height;
        }
        EXPECT_EQ(PlaceForNewDpi(move.suggested, move.frame, width, height), move.expected);
    }
}

}  // namespace
