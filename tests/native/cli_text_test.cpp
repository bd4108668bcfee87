#include <gtest/gtest.h>

#include <string>

#include "cli/json_writer.h"
#include "cli/text_encoding.h"

TEST(CliText, EncodesUtf8AndUtf16WithoutLosingALetter) {
    struct Case {
        std::wstring text;
        std::string utf8;
        std::string utf16;  // after the byte-order mark
    };
    const Case cases[] = {
        {L"A", "A", std::string("A\0", 2)},
        // Bengali LA, I sign, KHA, NA.
        {L"\u09B2\u09BF\u0996\u09A8", "\xE0\xA6\xB2\xE0\xA6\xBF\xE0\xA6\x96\xE0\xA6\xA8", "\xB2\x09\xBF\x09\x96\x09\xA8\x09"},
        {L"\u00E9", "\xC3\xA9", std::string("\xE9\0", 2)},
        // Outside the BMP: one code point, two UTF-16 units, whatever the width of wchar_t.
        {sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)} : std::wstring{wchar_t(0x1F600)},
         "\xF0\x9F\x98\x80", std::string("\x3D\xD8\x00\xDE", 4)},
        // An unpaired surrogate becomes U+FFFD rather than bytes no reader accepts.
        {std::wstring{wchar_t(0xD800), L'x'}, "\xEF\xBF\xBDx", std::string("\xFD\xFFx\0", 4)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeUtf8(c.text), c.utf8) << testing::PrintToString(c.text);
        EXPECT_EQ(EncodeUtf16LeWithBom(c.text), "\xFF\xFE" + c.utf16) << testing::PrintToString(c.text);
    }
}

TEST(CliText, EveryLineEndBecomesCrLfOnce) {
    EXPECT_EQ(EndLinesWithCrLf(L"a\nb\r\nc\n\n"), L"a\r\nb\r\nc\r\n\r\n");
    EXPECT_EQ(EndLinesWithCrLf(L"\n"), L"\r\n");
}

TEST(CliText, JsonQuotesEscapeWhatJsonForbidsAndKeepEveryLetter) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Mitra ", L"\"Mitra \""},
        {L"C:\\Vrinda.ttf", L"\"C:\\\\Vrinda.ttf\""},
        {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
        {L"a\r\nb\tc", L"\"a\\r\\nb\\tc\""},
        {std::wstring{L'x', wchar_t(1), wchar_t(0x1F)}, L"\"x\\u0001\\u001f\""},
        {L"\u09B2\u09BF\u0996\u09A8", L"\"\u09B2\u09BF\u0996\u09A8\""},
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(QuoteJson(text), quoted);
}

TEST(CliText, JsonWriterPutsCommasAndIndentsWhereTheyBelong) {
    JsonWriter json;
    json.BeginObject();
    json.Key(L"a").Number(-1);
    json.Key(L"list").BeginArray().String(L"x").Bool(false).Null().EndArray();
    json.Key(L"none").BeginArray().EndArray();
    json.Key(L"inner").BeginObject().Key(L"b").Bool(true).EndObject();
    json.EndObject();
    EXPECT_EQ(json.Text(), L"{\n"
                           L"  \"a\": -1,\n"
                           L"  \"list\": [\n"
                           L"    \"x\",\n"
                           L"    false,\n"
                           L"    null\n"
                           L"  ],\n"
                           L"  \"none\": [],\n"
                           L"  \"inner\": {\n"
                           L"    \"b\": true\n"
                           L"  }\n"
                           L"}\n");
}
