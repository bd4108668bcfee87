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
    EXPECT_EQ(layout.logo, (PixelRect{122, 304, 122 + 258, 304 + 136}));
}

}  // namespace
