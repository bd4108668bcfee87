#include "common/text.h"

#include <gtest/gtest.h>

TEST(Text, NamesAreEqualButForCaseAsWindowsComparesThemOneUnitAtATime) {
    struct Case {
        const char* name;
        std::wstring_view a, b;
        bool equal;
    };
    const Case cases[] = {
        {"ASCII", L"Vrinda", L"VRINDA", true},
        // Every other unit is held against the system's own table under Wine (NameCase).
        {"Latin Extended-A, in pairs", L"\u0141\u0105", L"\u0142\u0104", true},
        {"sharp s is not SS: one unit is never two", L"\u00DF", L"SS", false},
        {"Bengali has no case", L"\u09B2\u09BF\u0996\u09A8", L"\u09B2\u09BF\u0996\u09A8", true},
        {"a surrogate is itself", L"\xD801\xDC28", L"\xD801\xDC00", false},
        {"lengths differ", L"Likhan", L"Likhan ", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EqualNoCase(c.a, c.b), c.equal) << c.name;
        EXPECT_EQ(EqualNoCase(c.b, c.a), c.equal) << c.name;
    }
    EXPECT_TRUE(SameFaceName(L" likhan ", L"LIKHAN"));
    EXPECT_FALSE(SameFaceName(L"Likhan\t", L"Likhan"));
}
