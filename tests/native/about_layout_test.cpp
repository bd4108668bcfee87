#include "about/about_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutLayout, At96DotsPerInchIs249By225WithTheLogoAndEdgesInPlace) {
    const auto layout = AboutLayoutAt(96);
    EXPECT_EQ(layout.width, 249);
    EXPECT_EQ(layout.height, 225);
    EXPECT_EQ(layout.picture, (PixelRect{0, 0, 249, 145}));
    EXPECT_EQ(layout.logo, (PixelRect{61, 152, 61 + 129, 152 + 68}));
    EXPECT_EQ(layout.hiddenButton, (PixelRect{16, 160, 113, 193}));
    // The side edges run down the first and last columns, the bottom edge
    // along the last row.
    EXPECT_EQ(layout.lines[0], (PixelLine{{0, 144}, {0, 232}}));
    EXPECT_EQ(layout.lines[1], (PixelLine{{248, 144}, {248, 232}}));
    EXPECT_EQ(layout.lines[2], (PixelLine{{0, 224}, {248, 224}}));
}

TEST(AboutLayout, ScalesWithTheScreenResolution) {
    const auto layout = AboutLayoutAt(192);
    EXPECT_EQ(layout.width, 498);
    EXPECT_EQ(layout.height, 450);
    EXPECT_EQ(layout.lines[1].from.x, 497);
    EXPECT_EQ(layout.lines[2], (PixelLine{{0, 449}, {497, 449}}));
    EXPECT_EQ(layout.logo, (PixelRect{122, 304, 122 + 258, 304 + 136}));
}

// Rounded on their own, the edges' offsets in twips would leave a blank
// column or row outside them.
TEST(AboutLayout, TheRightAndBottomEdgesLieOnTheOutermostPixelsAtEveryDpi) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        const auto layout = AboutLayoutAt(dpi);
        EXPECT_EQ(layout.lines[1].from.x, layout.width - 1) << dpi;
        EXPECT_EQ(layout.lines[1].to.x, layout.width - 1) << dpi;
        EXPECT_EQ(layout.lines[2].from.y, layout.height - 1) << dpi;
        EXPECT_EQ(layout.lines[2].to, (PixelPoint{layout.width - 1, layout.height - 1})) << dpi;
    }
}

}  // namespace
