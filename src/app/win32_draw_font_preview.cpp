#include "app/win32_draw_font_preview.h"

#include <algorithm>

#include "app/font_preview_sample.h"
#include "platform/unique_handle.h"

namespace {

int TextWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

void DrawFontPreview(const DRAWITEMSTRUCT& item, std::wstring_view family, HFONT nameFont, HFONT sampleFont,
                     int padding) {
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);

    RECT sample = item.rcItem;
    sample.right -= padding;
    {
        const unique_select_object font(dc, sampleFont);
        // The sample keeps its whole width; a long name gives way to it.
        sample.left = std::max(item.rcItem.left + padding, sample.right - TextWidth(dc, kBengaliSample));
        DrawTextW(dc, kBengaliSample.data(), static_cast<int>(kBengaliSample.size()), &sample,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    RECT name = item.rcItem;
    name.left += padding;
    name.right = sample.left - padding;
    const unique_select_object font(dc, nameFont);
    DrawTextW(dc, family.data(), static_cast<int>(family.size()), &name,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);

    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}
