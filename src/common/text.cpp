#include "common/text.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

std::wstring TrimBlanks(std::wstring_view text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return std::wstring(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}

bool HoldsControlCharacter(std::wstring_view text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t ch) { return ch < L' '; });
}

bool HoldsUnpairedSurrogate(std::wstring_view text) {
    const auto high = [](wchar_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; };
    const auto low = [](wchar_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (high(text[i]) && i + 1 < text.size() && low(text[i + 1])) {
            ++i;
            continue;
        }
        if (high(text[i]) || low(text[i])) return true;
    }
    return false;
}

namespace {

// A run of units a stride apart whose uppercase lies the same distance on,
// kept modulo 0x10000 so that the table stays small.
struct UpperCaseRun {
    char16_t first, last, distance;
    std::uint8_t stride;
};

constexpr UpperCaseRun kUpperCaseRuns[] = {
#include "common/upper_case_table.inc"
};

// One code unit through the uppercase table: a surrogate, and any unit the
// table has no mapping for, is itself.
char16_t UpperCaseUnit(char16_t unit) {
    const auto after = std::upper_bound(std::begin(kUpperCaseRuns), std::end(kUpperCaseRuns), unit,
                                        [](char16_t each, const UpperCaseRun& run) { return each < run.first; });
    if (after == std::begin(kUpperCaseRuns)) return unit;
    const UpperCaseRun& run = *std::prev(after);
    if (unit > run.last || (unit - run.first) % run.stride != 0) return unit;
    return static_cast<char16_t>(unit + run.distance);
}

}  // namespace

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return x == y || UpperCaseUnit(static_cast<char16_t>(x)) == UpperCaseUnit(static_cast<char16_t>(y));
           });
}

bool SameFaceName(std::wstring_view a, std::wstring_view b) { return EqualNoCase(TrimBlanks(a), TrimBlanks(b)); }

std::wstring_view BareFileName(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

bool IsAbsolutePath(std::wstring_view path) {
    return (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') || path.starts_with(L"\\\\");
}

std::wstring Quoted(std::wstring_view text) { return L"\u201C" + std::wstring(text) + L"\u201D"; }
