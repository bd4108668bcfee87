#include "app/main_layout.h"

#include <algorithm>

#include "app/control_ids.h"
#include "platform/twips.h"

namespace {

struct TwipsPlace {
    int id;
    int container;
    std::int32_t left, top, width, height;
};

// chkBrowsers starts as far below chkIE as chkIE is below chkFS. Its text is
// longer than the panel is wide in the window's font, so its row holds two
// lines; the buttons, the panel, the frame and the window grow by that row.
constexpr std::int32_t kCheckBoxRow = 500;
constexpr std::int32_t kTwoLineCheckBox = 450;
constexpr std::int32_t kClientWidth = 3420;
constexpr std::int32_t kClientHeight = 3045 + kCheckBoxRow;
constexpr std::int32_t kListItemHeight = 360;
constexpr std::int32_t kComboListRoom = 12 * kListItemHeight;
constexpr std::int32_t kSampleEmHeight = 225;  // 11.25 pt
constexpr std::int32_t kListItemPadding = 45;

using namespace ControlId;
constexpr std::array<TwipsPlace, 11> kControls{{
    {lblDefFont, 0, 120, 120, 3135, 255},
    {Frame1, 0, 90, 480, 3240, 2460 + kCheckBoxRow},
    {lblFont, Frame1, 225, 315, 2670, 330},
    {comFont, Frame1, 120, 675, 3015, 390},
    {Picture1, Frame1, 120, 1080, 3045, 1335 + kCheckBoxRow},
    {chkFS, Picture1, 120, 80, 2895, 270},
    {chkIE, Picture1, 120, 400, 2895, 270},
    {chkBrowsers, Picture1, 120, 720, 2895, kTwoLineCheckBox},
    {cmdFix, Picture1, 120, 840 + kCheckBoxRow, 885, 420},
    {cmdDef, Picture1, 1080, 840 + kCheckBoxRow, 915, 420},
    {Command1, Picture1, 2040, 840 + kCheckBoxRow, 885, 420},
}};

}  // namespace

PixelRect MainLayout::RectOf(int id) const {
    const auto place = std::find_if(controls.begin(), controls.end(), [id](const auto& c) { return c.id == id; });
    return place == controls.end() ? PixelRect{} : place->rect;
}

MainLayout MainLayoutAt(int dpi) {
    const auto px = [dpi](std::int32_t twips) { return TwipsToPixels(twips, dpi); };
    MainLayout layout;
    layout.clientWidth = px(kClientWidth);
    layout.clientHeight = px(kClientHeight);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const TwipsPlace& c = kControls[i];
        layout.controls[i] = {c.id, c.container, {px(c.left), px(c.top), px(c.left + c.width), px(c.top + c.height)}};
    }
    const TwipsPlace& combo =
        *std::find_if(kControls.begin(), kControls.end(), [](const auto& c) { return c.id == comFont; });
    layout.comboDroppedHeight = px(combo.top + combo.height + kComboListRoom) - px(combo.top);
    layout.listItemHeight = px(kListItemHeight);
    layout.sampleEmHeight = px(kSampleEmHeight);
    layout.listItemPadding = px(kListItemPadding);
    return layout;
}
