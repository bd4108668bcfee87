#include "app/main_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/control_ids.h"

namespace {

using namespace ControlId;

// Where the controls are at 96 DPI, in pixels: as they have always been,
// but for chkBrowsers' row of two lines below chkIE, which moves the
// buttons down and makes the panel, the frame and the window taller by 33
// pixels.
TEST(MainLayout, At96DpiEveryControlKeepsItsPixels) {
    const MainLayout layout = MainLayoutAt(96);
    EXPECT_EQ(layout.clientWidth, 228);
    EXPECT_EQ(layout.clientHeight, 236);
    const struct {
        int id;
        PixelRect rect;
    } expected[] = {
        {lblDefFont, {8, 8, 217, 25}}, {Frame1, {6, 32, 222, 229}},   {lblFont, {15, 21, 193, 43}},
        {comFont, {8, 45, 209, 71}},   {Picture1, {8, 72, 211, 194}}, {chkFS, {8, 5, 201, 23}},
        {chkIE, {8, 27, 201, 45}},     {chkBrowsers, {8, 48, 201, 78}}, {cmdFix, {8, 89, 67, 117}},
        {cmdDef, {72, 89, 133, 117}},  {Command1, {136, 89, 195, 117}},
    };
    for (const auto& e : expected) EXPECT_EQ(layout.RectOf(e.id), e.rect) << "control " << e.id;
    EXPECT_EQ(layout.comboDroppedHeight, 26 + 12 * 24);
    EXPECT_EQ(layout.listItemHeight, 24);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class MainLayoutAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(MainLayoutAtDpi, ScalesFromNinetySixWithoutOverlapOrSpill) {
    const int dpi = GetParam();
    const MainLayout base = MainLayoutAt(96), layout = MainLayoutAt(dpi);
    const double scale = dpi / 96.0;
    const auto near = [scale](std::int32_t actual, std::int32_t at96) {
        return std::abs(actual - at96 * scale) <= 1.0;
    };
    EXPECT_TRUE(near(layout.clientWidth, base.clientWidth));
    EXPECT_TRUE(near(layout.clientHeight, base.clientHeight));
    EXPECT_TRUE(near(layout.comboDroppedHeight, base.comboDroppedHeight));
    EXPECT_TRUE(near(layout.listItemHeight, base.listItemHeight));
    EXPECT_TRUE(near(layout.listItemPadding, base.listItemPadding));
    EXPECT_TRUE(near(layout.sampleEmHeight, base.sampleEmHeight));
    EXPECT_LE(layout.sampleEmHeight * 3 / 2, layout.listItemHeight) << "no room for letters beyond the em";

    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const MainControlPlace& c = layout.controls[i];
        const PixelRect& b = base.controls[i].rect;
        SCOPED_TRACE(::testing::Message() << "control " << c.id << " at " << dpi << " DPI");
        EXPECT_TRUE(near(c.rect.left, b.left) && near(c.rect.top, b.top));
        EXPECT_TRUE(near(c.rect.right - c.rect.left, b.right - b.left));
        EXPECT_TRUE(near(c.rect.bottom - c.rect.top, b.bottom - b.top));
        EXPECT_GT(c.rect.right - c.rect.left, 0);
        EXPECT_GT(c.rect.bottom - c.rect.top, 0);

        // Inside its container's client area, which comes earlier in the table.
        std::int32_t width = layout.clientWidth, height = layout.clientHeight;
        if (c.container) {
            bool seen = false;
            for (std::size_t j = 0; j < i; ++j) seen = seen || layout.controls[j].id == c.container;
            EXPECT_TRUE(seen) << "its container comes later";
            const PixelRect container = layout.RectOf(c.container);
            width = container.right - container.left;
            height = container.bottom - container.top;
        }
        EXPECT_GE(c.rect.left, 0);
        EXPECT_GE(c.rect.top, 0);
        EXPECT_LE(c.rect.right, width);
        EXPECT_LE(c.rect.bottom, height);

        for (std::size_t j = i + 1; j < layout.controls.size(); ++j) {
            const MainControlPlace& other = layout.controls[j];
            if (other.container != c.container) continue;
            EXPECT_FALSE(Overlap(c.rect, other.rect)) << "overlaps control " << other.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CommonScreens, MainLayoutAtDpi, ::testing::Values(96, 120, 144, 192));

}  // namespace
