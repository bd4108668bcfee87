#include "common/text.h"

#include <algorithm>

std::wstring TrimBlanks(std::wstring_view text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return std::wstring(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}

bool HoldsControlCharacter(std::wstring_view text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t ch) { return ch < L' '; });
}
