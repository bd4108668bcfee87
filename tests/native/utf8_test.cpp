#include "common/utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, DecodesWhatEncodeUtf8WritesAndRefusesEverythingElse) {
    const std::wstring grinning = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                       : std::wstring{wchar_t(0x1F600)};
    struct Case {
        const char* name;
        std::string bytes;
        std::optional<std::wstring> text;
    };
    const Case cases[] = {
        {"empty", "", L""},
        {"ASCII with a NUL", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
        {"two, three and four bytes", "\xC3\xA9\xE0\xA6\xB2\xF0\x9F\x98\x80", L"\u00E9\u09B2" + grinning},
        {"overlong slash", "\xC0\xAF", std::nullopt},
        {"overlong in three bytes", "\xE0\x80\xAF", std::nullopt},
        {"overlong in four bytes", "\xF0\x8F\xBF\xBF", std::nullopt},
        {"a surrogate", "\xED\xA0\x80", std::nullopt},
        {"past U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
        {"a stray continuation", "a\x80", std::nullopt},
        {"truncated at the end", "a\xE0\xA6", std::nullopt},
        {"no lead byte at all", "\xFF", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.bytes), c.text) << c.name;
        if (c.text) {
            EXPECT_EQ(EncodeUtf8(*c.text), c.bytes) << c.name;
        }
    }
}
