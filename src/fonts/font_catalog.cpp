#include "fonts/font_catalog.h"

#include <algorithm>

namespace mFontEnum {

bool CoversAll(std::span<const WcRange> ranges, std::span<const char16_t> codePoints) {
    return std::all_of(codePoints.begin(), codePoints.end(), [&](char16_t point) {
        return std::any_of(ranges.begin(), ranges.end(), [&](const WcRange& range) {
            return point >= range.wcLow && point - range.wcLow < range.cGlyphs;
        });
    });
}

}  // namespace mFontEnum
