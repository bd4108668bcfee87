#include "browsers/chromium_preferences.h"

#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <chrono>

namespace {

using Result = FontEdit::Result;

rapidjson::Document Parsed(std::string_view text) {
    rapidjson::Document document;
    document.Parse<rapidjson::kParseFullPrecisionFlag>(text.data(), text.size());
    return document;
}

// The file as a reader that keeps member order and every number writes it back.
std::string Rewritten(std::string_view text) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    Parsed(text).Accept(writer);
    return buffer.GetString();
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

const std::string kFonts = R"("webkit":{"webprefs":{"fonts":{"standard":{"Beng":"Vrinda","Latn":"Arial"},)"
                           R"("serif":{"Beng":"Vrinda"},"sansserif":{"Beng":"Vrinda"}}}})";

// Every kind of value a Preferences file holds, around and inside the keys the fix edits.
const std::string kEveryValue =
    R"({"big":9007199254740993,"most":18446744073709551615,"least":-9223372036854775808,"tenth":0.1,)"
    R"("huge":1e300,"tiny":5e-324,"nested":[[1,[2,{}]],[]],"text":"\u09B2\u2028\"\\\u0000",)"
    R"("empty":{},"webkit.webprefs.fonts.standard.Beng":"dotted, never read",)"
    R"("webkit":{"webprefs":{"default_font_size":16,"fonts":{"fixed":{"Beng":"Mono"}}}},"z":null})";

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
        {"all three", "{" + kFonts + "}", BengaliFonts{L"Vrinda", L"Vrinda", L"Vrinda"}},
        {"a byte-order mark, which the browser skips as well", "\xEF\xBB\xBF{}", none},
        {"only a dotted key, which the browser never reads", R"({"webkit.webprefs.fonts.serif.Beng":"X"})", none},
        {"a face beyond ASCII", R"({"webkit":{"webprefs":{"fonts":{"serif":{"Beng":"\u09B2\u09BF\u0996\u09A8"}}}}})",
         BengaliFonts{{}, L"\u09B2\u09BF\u0996\u09A8", {}}},
        {"not JSON", "{\"webkit\":", std::nullopt},
        {"a comma too many", R"({"a":1,})", std::nullopt},
        {"text after the object", "{} {}", std::nullopt},
        {"a NUL after the object", std::string("{}\0{", 4), std::nullopt},
        {"bytes that are not UTF-8", "{\"a\":\"\xC0\xAF\"}", std::nullopt},
        {"an array at the root", "[]", std::nullopt},
        {"webkit a text", R"({"webkit":"x"})", std::nullopt},
        {"fonts an array", R"({"webkit":{"webprefs":{"fonts":[]}}})", std::nullopt},
        {"standard a number", R"({"webkit":{"webprefs":{"fonts":{"standard":1}}}})", std::nullopt},
        {"Beng not a text", R"({"webkit":{"webprefs":{"fonts":{"serif":{"Beng":null}}}}})", std::nullopt},
        {"webkit twice", R"({"webkit":{},"webkit":{}})", std::nullopt},
        {"nested deeper than the browser reads", std::string(201, '[') + std::string(201, ']'), std::nullopt},
        {"the record not an object", R"({"glyphor":{"bengaliFonts":[]}})", std::nullopt},
        {"a record entry without was", R"({"glyphor":{"bengaliFonts":{"serif":{"set":"A"}}}})", std::nullopt},
        {"a record entry with a number", R"({"glyphor":{"bengaliFonts":{"serif":{"set":"A","was":1}}}})",
         std::nullopt},
        {"a record made path of another's", R"({"glyphor":{"bengaliFonts":{"made":["profile"]}}})", std::nullopt},
        {"a record member unknown", R"({"glyphor":{"bengaliFonts":{"more":1}}})", std::nullopt},
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
    struct Case {
        const char* name;
        std::string file;
        std::wstring face;
        FontEdit edit;
    };
    const Case cases[] = {
        {"creates every object on the way", "{}", L"Likhan",
         {Result::Changed,
          R"({"webkit":{"webprefs":{"fonts":{"standard":{"Beng":"Likhan"},"serif":{"Beng":"Likhan"},)"
          R"("sansserif":{"Beng":"Likhan"}}}},"glyphor":{"bengaliFonts":{"standard":{"set":"Likhan","was":null},)"
          R"("serif":{"set":"Likhan","was":null},"sansserif":{"set":"Likhan","was":null},"made":["webkit",)"
          R"("webkit.webprefs","webkit.webprefs.fonts","webkit.webprefs.fonts.standard","webkit.webprefs.fonts.serif",)"
          R"("webkit.webprefs.fonts.sansserif","glyphor"]}}})"}},
        {"replaces in place and keeps the user's own keys",
         R"({"a":1,"webkit":{"webprefs":{"fonts":{"serif":{"Latn":"Times","Beng":"Vrinda"}}}},"glyphor":{"x":2}})",
         L"Likh\"an\\",
         {Result::Changed,
          R"({"a":1,"webkit":{"webprefs":{"fonts":{"serif":{"Latn":"Times","Beng":"Likh\"an\\"},)"
          R"("standard":{"Beng":"Likh\"an\\"},"sansserif":{"Beng":"Likh\"an\\"}}}},"glyphor":{"x":2,"bengaliFonts":)"
          R"({"standard":{"set":"Likh\"an\\","was":null},"serif":{"set":"Likh\"an\\","was":"Vrinda"},)"
          R"("sansserif":{"set":"Likh\"an\\","was":null},"made":["webkit.webprefs.fonts.standard",)"
          R"("webkit.webprefs.fonts.sansserif"]}}})"}},
        {"all three already the face, with no record", R"({"webkit":{"webprefs":{"fonts":{"standard":{"Beng":"A"},)"
                                                        R"("serif":{"Beng":"A"},"sansserif":{"Beng":"A"}}}}})",
         L"A", {Result::Unchanged, {}}},
        {"a lone surrogate's escape elsewhere, which no writer writes back", R"({"a":"\uDC00"})", L"A", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FontEdit edit = SetChromiumBengaliFont(c.file, c.face);
        EXPECT_EQ(edit, c.edit) << edit.text;
        if (edit.result == Result::Changed) {
            EXPECT_TRUE(HoldsChromiumRecord(edit.text));
        }
    }
}

TEST(ChromiumPreferences, UndoPutsBackOnlyWhatStillHoldsTheFix) {
    const std::string original = "{" + kFonts + R"(,"after":[1]})";
    const std::string fixed = SetChromiumBengaliFont(original, L"Likhan").text;
    const std::string created = SetChromiumBengaliFont("{}", L"Likhan").text;
    struct Case {
        const char* name;
        std::string file;
        FontEdit edit;
    };
    const Case cases[] = {
        {"no record", original, {Result::Unchanged, {}}},
        {"every key as the fix left it", fixed, {Result::Changed, original}},
        {"a key the user changed since stays",
         Replaced(fixed, R"("serif":{"Beng":"Likhan"})", R"("serif":{"Beng":"Mine"})"),
         {Result::Changed, Replaced(original, R"("serif":{"Beng":"Vrinda"})", R"("serif":{"Beng":"Mine"})")}},
        {"a key the user removed since stays removed", Replaced(fixed, R"("serif":{"Beng":"Likhan"})", R"("serif":{})"),
         {Result::Changed, Replaced(original, R"("serif":{"Beng":"Vrinda"})", R"("serif":{})")}},
        {"objects the fix made go with their keys", created, {Result::Changed, "{}"}},
        {"an object the fix made that the user filled stays",
         Replaced(created, R"("webprefs":{)", R"("webprefs":{"size":1,)"),
         {Result::Changed, R"({"webkit":{"webprefs":{"size":1}}})"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FontEdit edit = UndoChromiumBengaliFont(c.file);
        EXPECT_EQ(edit, c.edit) << edit.text;
        if (edit.result == Result::Changed) {
            EXPECT_FALSE(HoldsChromiumRecord(edit.text));
        }
    }
}

TEST(ChromiumPreferences, ASecondFixKeepsWhatTheFirstFound) {
    const std::string original = "{" + kFonts + "}";
    const std::string first = SetChromiumBengaliFont(original, L"Likhan").text;
    const std::string changed = Replaced(first, R"("serif":{"Beng":"Likhan"})", R"("serif":{"Beng":"Mine"})");
    EXPECT_EQ(SetChromiumBengaliFont(first, L"Likhan").result, Result::Unchanged);

    const FontEdit second = SetChromiumBengaliFont(changed, L"\u09B2\u09BF\u0996\u09A8");
    ASSERT_EQ(second.result, Result::Changed);
    EXPECT_EQ(ReadChromiumBengaliFonts(second.text), (BengaliFonts{L"\u09B2\u09BF\u0996\u09A8",
                                                                   L"\u09B2\u09BF\u0996\u09A8",
                                                                   L"\u09B2\u09BF\u0996\u09A8"}));
    EXPECT_EQ(UndoChromiumBengaliFont(second.text).text,
              Replaced(original, R"("serif":{"Beng":"Vrinda"})", R"("serif":{"Beng":"Mine"})"));
}

// Undo(Set(x)) is x again, key order and numbers included, and Set(x)
// leaves every key outside webkit as it was.
TEST(ChromiumPreferences, UndoAfterSetGivesBackTheFileAsParsed) {
    const std::string files[] = {
        "{}",
        kEveryValue,
        "{" + kFonts + "}",
        R"({"webkit":{}})",
        "\xEF\xBB\xBF{\"a\":1}",
        R"({"webkit":{"webprefs":{"fonts":{"serif":{}}}},"glyphor":{}})",
        R"({"glyphor":{"other":true},"webkit":{"webprefs":{"fonts":{"sansserif":{"Beng":"Likhan"}}}}})",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const FontEdit set = SetChromiumBengaliFont(file, L"Likhan");
        ASSERT_EQ(set.result, Result::Changed);
        rapidjson::Document before = Parsed(file);
        rapidjson::Document after = Parsed(set.text);
        for (auto& member : before.GetObject()) {
            const std::string_view name = member.name.GetString();
            if (name != "webkit" && name != "glyphor") {
                EXPECT_TRUE(member.value == after[member.name]) << name;
            }
        }
        const FontEdit undone = UndoChromiumBengaliFont(set.text);
        EXPECT_TRUE(Parsed(undone.text) == before) << undone.text;
        EXPECT_EQ(undone.text, Rewritten(file));
    }
}

// A release build sets the font in a 5 MB file in well under a fifth of a
// second; under the sanitizers only the growth with the file is telling.
TEST(ChromiumPreferences, TimeGrowsNoFasterThanTheFile) {
    const auto timeSet = [](std::size_t size) {
        std::string file = "{";
        for (int i = 0; file.size() < size; ++i)
            file += "\"key" + std::to_string(i) + R"(":{"list":[1,2.5,"text \u09B2",true,null],"n":-12345678901},)";
        file += kFonts + "}";
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(SetChromiumBengaliFont(file, L"Likhan").result, Result::Changed);
        return std::chrono::steady_clock::now() - start;
    };
    const auto small = timeSet(500'000);
    EXPECT_LT(timeSet(5'000'000), small * 25);
}
