#include "fonts/bengali_family_collector.h"

#include "fonts/bengali_font_filter.h"
#include "fonts/glyph_set.h"

namespace mFontEnum {

void BengaliFamilyCollector::Offer(std::wstring_view faceField, const CoverageReader& readCoverage) {
    const std::wstring_view face = faceField.substr(0, faceField.find(L'\0'));
    if (!seen_.emplace(face).second) return;

    const std::vector<std::uint8_t> coverage = readCoverage();
    if (BengaliFontFilter(ParseGlyphSet(coverage.data(), coverage.size()).ranges)) families_.emplace_back(face);
}

}  // namespace mFontEnum
