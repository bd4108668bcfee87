// Feeds arbitrary bytes to the coverage parse and the Bengali test.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_require.h"
#include "fonts/bengali_font_filter.h"
#include "fonts/glyph_set.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size, so that ASan sees any read past it.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto set = mFontEnum::ParseGlyphSet(bytes.data(), bytes.size());

    // Never more ranges than the header claims or the buffer holds.
    const std::size_t held = size < 16 ? 0 : (size - 16) / 4;
    Require(set.ranges.size() == std::min<std::size_t>(set.header.cRanges, held));

    // The order of the runs never matters.
    const bool bengali = mFontEnum::BengaliFontFilter(set.ranges);
    std::vector<mFontEnum::WcRange> reversed(set.ranges.rbegin(), set.ranges.rend());
    Require(mFontEnum::BengaliFontFilter(reversed) == bengali);

    // Adding the three runs to any coverage makes it Bengali.
    reversed.insert(reversed.begin() + static_cast<std::ptrdiff_t>(reversed.size() / 2),
                    {{0x0985, 8}, {0x0964, 2}, {0x0981, 3}});
    Require(mFontEnum::BengaliFontFilter(reversed));
    return 0;
}
