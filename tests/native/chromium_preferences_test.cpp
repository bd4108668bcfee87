#include "browsers/chromium_preferences.h"

#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>


namespace {

using Result = FontEdit::Result;

rapidjson::Document Parsed(std::string_view text) {
    rapidjson::Document document;
    document.Parse<rapidjson::kParseFullPrecisionFlag>(text.data(), text.size());
    return document;
}

// The file as written back by a reader that keeps member order and every number.
std::string Rewritten(std::string_view text) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    Parsed(text).Accept(writer);
    return buffer.GetString();
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A file with these members in webkit.webprefs.fonts, and these after webkit.
std::string Fonts(std::string_view inside, std::string_view after = {}) {
    return R"({"webkit":{"webprefs":{"fonts":{)" + std::string(inside) + "}}}" + std::string(after) + "}";
}

const std::string kVrinda =
    Fonts(R"("standard":{"Beng":"Vrinda","Latn":"Arial"},"serif":{"Beng":"Vrinda"},"sansserif":{"Beng":"Vrinda"})");
const std::string kSerif = R"("serif":{"Beng":"Likhan"})";

}  // namespace

TEST(ChromiumPreferences, ReadsTheNestedKeysAndRefusesWhatTheBrowserWouldNotRead) {
    const BengaliFonts none;
    struct Case {
        const char* name;
        std::string file;
        std::optional<BengaliFonts> fonts;
    };
    const Case cases[] = {
        {"no webkit at all", "{}", none},
        {"all three", kVrinda, BengaliFonts{L"Vrinda", L"Vrinda", L"Vrinda"}},
        {"a byte-order mark, which the browser skips as well", "\xEF\xBB\xBF{}", none},
        {"only a dotted key, which the browser never reads", R"({"webkit.webprefs.fonts.serif.Beng":"X"})", none},
        {"a face beyond ASCII", Fonts(R"("serif":{"Beng":"\u09B2\u09BF"})"), BengaliFonts{{}, L"\u09B2\u09BF", {}}},
        {"not JSON", R"({"a":1,})", std::nullopt},
        {"a NUL, then more", std::string("{}\0{", 4), std::nullopt},
        {"bytes that are not UTF-8", "{\"a\":\"\xC0\xAF\"}", std::nullopt},
        {"an array at the root", "[]", std::nullopt},
        {"webkit a text", R"({"webkit":"x"})", std::nullopt},
        {"a font's object a number", Fonts(R"("standard":1)"), std::nullopt},
        {"Beng not a text", Fonts(R"("serif":{"Beng":null})"), std::nullopt},
        {"webkit twice", R"({"webkit":{},"webkit":{}})", std::nullopt},
        {"nested deeper than the browser reads", std::string(201, '[') + std::string(201, ']'), std::nullopt},
        {"the record not an object", R"({"glyphor":{"bengaliFonts":[]}})", std::nullopt},
        {"a record entry without was", R"({"glyphor":{"bengaliFonts":{"serif":{"set":"A"}}}})", std::nullopt},
        {"a record made path not the fix's", R"({"glyphor":{"bengaliFonts":{"made":["profile"]}}})", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadChromiumBengaliFonts(c.file), c.fonts);
        if (c.fonts) continue;
        EXPECT_EQ(SetChromiumBengaliFont(c.file, L"Likhan"), FontEdit{});
        EXPECT_EQ(UndoChromiumBengaliFont(c.file), FontEdit{});
        EXPECT_FALSE(HoldsChromiumRecord(c.file));
    }
}

TEST(ChromiumPreferences, SetNamesTheFaceAndRecordsWhatEachKeyHeld) {
    const std::string likhan = R"("standard":{"Beng":"L\"\\"},"serif":{"Beng":"L\"\\"},"sansserif":{"Beng":"L\"\\"})";
    const std::string record = R"(,"glyphor":{"bengaliFonts":{"standard":{"set":"L\"\\","was":null},)"
                               R"("serif":{"set":"L\"\\","was":"Vrinda"},"sansserif":{"set":"L\"\\","was":null},)";
    struct Case {
        const char* name;
        std::string file;
        FontEdit edit;
    };
    const Case cases[] = {
        {"every object made on the way", "{}",
         {Result::Changed, Fonts(likhan, Replaced(record, "\"Vrinda\"", "null") +
                                              R"("made":["webkit","webkit.webprefs","webkit.webprefs.fonts",)"
                                              R"("webkit.webprefs.fonts.standard","webkit.webprefs.fonts.serif",)"
                                              R"("webkit.webprefs.fonts.sansserif","glyphor"]}})")}},
        {"a key in its place, the user's own beside it", Fonts(R"("serif":{"Latn":"T","Beng":"Vrinda"})"),
         {Result::Changed,
          Fonts(R"("serif":{"Latn":"T","Beng":"L\"\\"},"standard":{"Beng":"L\"\\"},"sansserif":{"Beng":"L\"\\"})",
                record + R"("made":["webkit.webprefs.fonts.standard","webkit.webprefs.fonts.sansserif",)"
                         R"("glyphor"]}})")}},
        {"all three already the face, with no record", Fonts(likhan), {Result::Unchanged, {}}},
        {"its own edit", SetChromiumBengaliFont("{}", L"L\"\\").text, {Result::Unchanged, {}}},
        {"a lone surrogate's escape elsewhere, which no writer writes back", R"({"a":"\uDC00"})", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FontEdit edit = SetChromiumBengaliFont(c.file, L"L\"\\");
        EXPECT_EQ(edit, c.edit) << edit.text;
    }
}

TEST(ChromiumPreferences, UndoPutsBackOnlyWhatStillHoldsTheFix) {
    const std::string fixed = SetChromiumBengaliFont(kVrinda, L"Likhan").text;
    const std::string made = SetChromiumBengaliFont("{}", L"Likhan").text;
    const std::string mine = R"("serif":{"Beng":"Mine"})";
    struct Case {
        const char* name;
        std::string file;
        FontEdit edit;
    };
    const Case cases[] = {
        {"no record", kVrinda, {Result::Unchanged, {}}},
        {"every key as the fix left it", fixed, {Result::Changed, kVrinda}},
        {"a key the user changed since stays", Replaced(fixed, kSerif, mine),
         {Result::Changed, Replaced(kVrinda, R"("serif":{"Beng":"Vrinda"})", mine)}},
        {"a key the user removed since stays removed", Replaced(fixed, kSerif, R"("serif":{})"),
         {Result::Changed, Replaced(kVrinda, R"("serif":{"Beng":"Vrinda"})", R"("serif":{})")}},
        {"a second fix over a change keeps the first fix's record of the rest",
         SetChromiumBengaliFont(Replaced(fixed, kSerif, mine), L"\u09B2").text,
         {Result::Changed, Replaced(kVrinda, R"("serif":{"Beng":"Vrinda"})", mine)}},
        {"an object the fix made that the user filled stays",
         Replaced(made, R"("webprefs":{)", R"("webprefs":{"a":1,)"),
         {Result::Changed, R"({"webkit":{"webprefs":{"a":1}}})"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FontEdit edit = UndoChromiumBengaliFont(c.file);
        EXPECT_EQ(edit, c.edit) << edit.text;
        EXPECT_FALSE(HoldsChromiumRecord(edit.text));
    }
}

// Undo(Set(x)) is x again, key order and every number included, and Set(x)
// leaves every key outside webkit as it was.
TEST(ChromiumPreferences, UndoAfterSetGivesBackTheFileAsParsed) {
    const std::string files[] = {
        "{}",
        R"({"big":9007199254740993,"most":18446744073709551615,"least":-9223372036854775808,"tenth":0.1,)"
        R"("huge":1e300,"tiny":5e-324,"nested":[[1,[2,{}]],[]],"text":"\u09B2\u2028\"\\\u0000","empty":{},)"
        R"("webkit":{"webprefs":{"size":16,"fonts":{"fixed":{"Beng":"Mono"}}}},"z":null})",
        kVrinda,
        R"({"webkit":{"webprefs":{"fonts":{"serif":{}}}},"glyphor":{"other":true}})",
        "\xEF\xBB\xBF{\"a\":1}",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const FontEdit set = SetChromiumBengaliFont(file, L"Likhan");
        ASSERT_EQ(set.result, Result::Changed);
        EXPECT_TRUE(HoldsChromiumRecord(set.text));
        rapidjson::Document before = Parsed(file);
        rapidjson::Document after = Parsed(set.text);
        for (auto& member : before.GetObject()) {
            const std::string_view name = member.name.GetString();
            EXPECT_TRUE(name == "webkit" || name == "glyphor" || member.value == after[member.name]) << name;
        }
        const std::string undone = UndoChromiumBengaliFont(set.text).text;
        EXPECT_TRUE(Parsed(undone) == before) << undone;
        EXPECT_EQ(undone, Rewritten(file));
    }
}

// A long-used profile's file runs to megabytes; what it costs is measured
// by make bench (bench/browser_fix_bench.cpp).
TEST(ChromiumPreferences, SetsTheFontInAFiveMegabyteFile) {
    std::string file = "{";
    for (int i = 0; file.size() < 5'000'000; ++i)
        file += "\"key" + std::to_string(i) + R"(":{"list":[1,2.5,"text \u09B2",true,null],"n":-12345678901},)";
    file += "\"a\":1}";
    const FontEdit edit = SetChromiumBengaliFont(file, L"Likhan");
    ASSERT_EQ(edit.result, Result::Changed);
    EXPECT_EQ(ReadChromiumBengaliFonts(edit.text), (BengaliFonts{L"Likhan", L"Likhan", L"Likhan"}));
    EXPECT_EQ(UndoChromiumBengaliFont(edit.text).text, Rewritten(file));
}
