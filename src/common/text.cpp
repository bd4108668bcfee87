#include "common/text.h"

#include <algorithm>
#include <cwctype>

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

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
           });
}

std::wstring_view BareFileName(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

bool IsAbsolutePath(std::wstring_view path) {
    return (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') || path.starts_with(L"\\\\");
}

std::wstring Quoted(std::wstring_view text) { return L"\u201C" + std::wstring(text) + L"\u201D"; }
