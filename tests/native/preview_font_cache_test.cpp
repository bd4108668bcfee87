#include "app/preview_font_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Counts the live fonts through a shared counter.
struct FakeFont {
    std::shared_ptr<int> live;
    explicit FakeFont(std::shared_ptr<int> counter) : live(std::move(counter)) { ++*live; }
    FakeFont(FakeFont&&) noexcept = default;
    ~FakeFont() {
        if (live) --*live;
    }
};

TEST(PreviewFonts, MakesEachFamilyOnceKeepsTheMostRecentlyDrawnAndLetsAllGoWhenCleared) {
    const auto live = std::make_shared<int>(0);
    std::wstring made;
    PreviewFontCache<FakeFont> cache(3, [&](std::wstring_view family) {
        made += family;
        return FakeFont(live);
    });
    for (std::wstring_view family : {L"A", L"B", L"A", L"C", L"A", L"D", L"C", L"B"}) cache.FontFor(family);
    // D pushed out B, drawn least recently; B pushed out A in turn.
    EXPECT_EQ(made, L"ABCDB");
    EXPECT_EQ(*live, 3);
    cache.Clear();
    EXPECT_EQ(*live, 0);
    cache.FontFor(L"C");
    EXPECT_EQ(made, L"ABCDBC");
}

}  // namespace
