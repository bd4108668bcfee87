#include "platform/twips.h"

#include <gtest/gtest.h>

TEST(Twips, FifteenToThePixelAtNinetySixDpi) {
    EXPECT_EQ(TwipsToPixels(3420, 96), 228);
    EXPECT_EQ(TwipsToPixels(3045, 96), 203);
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
}

TEST(Twips, RoundToTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(80, 96), 5);    // 5.33
    EXPECT_EQ(TwipsToPixels(400, 96), 27);  // 26.67
    EXPECT_EQ(TwipsToPixels(3420, 120), 285);
    EXPECT_EQ(TwipsToPixels(3420, 144), 342);
    EXPECT_EQ(TwipsToPixels(3735, 144), 374);  // 373.5 rounds up
    EXPECT_EQ(TwipsToPixels(-80, 96), -5);
}

TEST(Twips, PointSizesScaleWithDpi) {
    EXPECT_EQ(PointsToPixels(975, 96), 13);
    EXPECT_EQ(PointsToPixels(825, 96), 11);
    EXPECT_EQ(PointsToPixels(975, 144), 20);
}
