#include "fonts/font_catalog.h"

#include <algorithm>

namespace mFontEnum {

std::u16string MissingFrom(std::span<const WcRange> ranges, std::span<const char16_t> codePoints) {
    std::u16string missing;
    for (const char16_t point : codePoints) {
        const bool covered = std::any_of(ranges.begin(), ranges.end(), [&](const WcRange& range) {
            return point >= range.wcLow && point - range.wcLow < range.cGlyphs;
        });
        if (!covered) missing.push_back(point);
    }
    return missing;
}

bool CoversAll(std::span<const WcRange> ranges, std::span<const char16_t> codePoints) {
    return MissingFrom(ranges, codePoints).empty();
}

}  // namespace mFontEnum

bool WritesBengali(FontCatalog& fonts, std::wstring_view family) {
    if (family.empty()) return false;
    const auto coverage = fonts.Coverage(family);
    return coverage && mFontEnum::CoversAll(*coverage, mFontEnum::kBengaliLetters);
}
