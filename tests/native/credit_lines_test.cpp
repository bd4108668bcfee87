#include "about/credit_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CreditLines, AreThirtyThreeLinesWithTheHeadingsAndGapsInPlace) {
    const auto lines = CreditLines();
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[0], L":: Glyphor  ::");
    EXPECT_EQ(lines[1], L"by");
    EXPECT_EQ(lines[2], L"Orrinel");
    EXPECT_EQ(lines[5], L":: Developer ::");
    EXPECT_EQ(lines[9], L"Orrinel");
    EXPECT_EQ(lines[13], L":: Credits ::");
    for (const int empty : {3, 4, 6, 11, 12, 14, 19, 24, 28, 31, 32}) EXPECT_EQ(lines[empty], L"") << empty;
    for (const int filled : {7, 8, 10, 15, 16, 17, 18, 20, 21, 22, 23, 25, 26, 27, 29, 30})
        EXPECT_NE(lines[filled], L"") << filled;
    // The two credited testers share their role, organisation and address.
    for (int i = 1; i < 4; ++i) EXPECT_EQ(lines[15 + i], lines[20 + i]) << i;
}

TEST(CreditLines, ArePlainAsciiWithoutSurroundingBlanks) {
    for (const auto& line : CreditLines()) {
        for (const wchar_t c : line) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << static_cast<int>(c);
        if (line.empty()) continue;
        EXPECT_NE(line.front(), L' ');
        EXPECT_NE(line.back(), L' ');
        EXPECT_EQ(line.find(L'&'), std::wstring::npos);
    }
}

}  // namespace
