#include <windows.h>

#include <gtest/gtest.h>

#include "common/text.h"

namespace {

wchar_t MapCase(wchar_t unit, DWORD flags) {
    wchar_t mapped = unit;
    LCMapStringEx(LOCALE_NAME_INVARIANT, flags, &unit, 1, &mapped, 1, nullptr, nullptr, 0);
    return mapped;
}

}  // namespace

// The table Glyphor compares names with against the system's own, for each
// code unit and the letters the system maps it to.
TEST(NameCase, EveryUnitMatchesAsTheSystemMatchesItIgnoringCase) {
    int differing = 0;
    for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
        const auto a = static_cast<wchar_t>(unit);
        for (const wchar_t b : {MapCase(a, LCMAP_UPPERCASE), MapCase(a, LCMAP_LOWERCASE)}) {
            const bool system = CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
            if (EqualNoCase({&a, 1}, {&b, 1}) == system) continue;
            if (++differing <= 10) ADD_FAILURE() << "U+" << std::hex << unit << " and U+" << unsigned(b);
        }
    }
    EXPECT_EQ(differing, 0);
}
