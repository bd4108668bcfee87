#include "about/about_layout.h"

namespace {

constexpr std::int32_t kOnePixelAt96 = 15;

constexpr std::int32_t kPictureWidth = 3735;
constexpr std::int32_t kPictureHeight = 2175;
constexpr std::int32_t kLogoLeft = 915;
constexpr std::int32_t kLogoTop = 2280;
constexpr std::int32_t kLogoWidth = 1935;
constexpr std::int32_t kLogoHeight = 1020;
constexpr std::int32_t kButtonLeft = 240;
constexpr std::int32_t kButtonTop = 2400;
constexpr std::int32_t kButtonWidth = 1455;
constexpr std::int32_t kButtonHeight = 495;
constexpr std::int32_t kEdgeTop = 2160;
constexpr std::int32_t kEdgeBottom = 3480;
constexpr std::int32_t kBottomEdge = 3360;

}  // namespace

AboutLayout AboutLayoutAt(int dpi) {
    const auto px = [dpi](std::int32_t twips) { return TwipsToPixels(twips, dpi); };
    const auto point = [&](std::int32_t x, std::int32_t y) { return PixelPoint{px(x), px(y)}; };
    AboutLayout layout;
    // As wide as the picture, and one pixel taller than the bottom edge's
    // offset, so that the edge lies on the last row.
    layout.width = px(kPictureWidth);
    layout.height = px(kBottomEdge + kOnePixelAt96);
    layout.picture = {0, 0, px(kPictureWidth), px(kPictureHeight)};
    layout.logo = {px(kLogoLeft), px(kLogoTop), px(kLogoLeft + kLogoWidth), px(kLogoTop + kLogoHeight)};
    layout.hiddenButton = {px(kButtonLeft), px(kButtonTop), px(kButtonLeft + kButtonWidth),
                           px(kButtonTop + kButtonHeight)};
    // The edges are one pixel wide at every DPI and lie on the outermost
    // pixels, as they do at 96 DPI: rounded on their own, the right and
    // bottom ones would leave a blank pixel outside them at 144 and 192.
    const std::int32_t right = layout.width - 1, bottom = layout.height - 1;
    layout.lines = {{
        {point(0, kEdgeTop), point(0, kEdgeBottom)},
        {{right, px(kEdgeTop)}, {right, px(kEdgeBottom)}},
        {{0, bottom}, {right, bottom}},
    }};
    return layout;
}
