#include "cli/text_encoding.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point that starts at `at`, moving `at` past it.
char32_t NextCodePoint(std::wstring_view text, std::size_t& at) {
    const char32_t unit = static_cast<char32_t>(text[at++]);
    if (IsHighSurrogate(unit)) {
        if (at < text.size() && IsLowSurrogate(static_cast<char32_t>(text[at]))) {
            const char32_t low = static_cast<char32_t>(text[at++]);
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        return kReplacement;
    }
    if (IsLowSurrogate(unit) || unit > 0x10FFFF) return kReplacement;
    return unit;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

void AppendUtf16Le(std::string& out, char32_t code) {
    const auto unit = [&](char32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>((u >> 8) & 0xFF));
    };
    if (code < 0x10000) {
        unit(code);
    } else {
        unit(0xD800 + ((code - 0x10000) >> 10));
        unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

}  // namespace

std::string EncodeUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) AppendUtf8(out, NextCodePoint(text, at));
    return out;
}

std::string EncodeUtf16LeWithBom(std::wstring_view text) {
    std::string out = "\xFF\xFE";
    out.reserve(2 + text.size() * 2);
    for (std::size_t at = 0; at < text.size();) AppendUtf16Le(out, NextCodePoint(text, at));
    return out;
}

std::wstring EndLinesWithCrLf(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out.push_back(L'\r');
        out.push_back(text[i]);
    }
    return out;
}
