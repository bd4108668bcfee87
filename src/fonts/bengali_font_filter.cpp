#include "fonts/bengali_font_filter.h"

#include <array>
#include <cstddef>

namespace mFontEnum {
namespace {

constexpr std::array<WcRange, 3> kTargets{{
    {0x0964, 2},  // danda, double danda
    {0x0981, 3},  // candrabindu, anusvara, visarga
    {0x0985, 8},  // independent vowels A to vocalic L
}};

}  // namespace

bool BengaliFontFilter(std::span<const WcRange> ranges) {
    std::array<bool, kTargets.size()> found{};
    std::size_t remaining = kTargets.size();
    for (const WcRange& range : ranges) {
        for (std::size_t t = 0; t < kTargets.size(); ++t) {
            if (!found[t] && range == kTargets[t]) {
                found[t] = true;
                --remaining;
            }
        }
        if (remaining == 0) return true;
    }
    return false;
}

}  // namespace mFontEnum
