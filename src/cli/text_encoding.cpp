#include "cli/text_encoding.h"

namespace {

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

std::string EncodeUtf16LeWithBom(std::wstring_view text) {
    std::string out = "\xFF\xFE";
    out.reserve(2 + text.size() * 2);
    for (std::size_t at = 0; at < text.size();) AppendUtf16Le(out, ReadCodePoint(text, at));
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
