#include "app/preview_font_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A font that says which family it was made for and counts the live ones.
struct FakeFont {
    std::wstring family;
    std::shared_ptr<int> live;
    FakeFont(std::wstring f, std::shared_ptr<int> counter) : family(std::move(f)), live(std::move(counter)) { ++*live; }
    FakeFont(FakeFont&& other) noexcept = default;
    ~FakeFont() {
        if (live) --*live;
    }
};

class PreviewFonts : public ::testing::Test {
protected:
    std::shared_ptr<int> live = std::make_shared<int>(0);
    std::vector<std::wstring> made;
    PreviewFontCache<FakeFont> cache{3, [this](std::wstring_view family) {
                                         made.emplace_back(family);
                                         return FakeFont(std::wstring(family), live);
                                     }};
};

TEST_F(PreviewFonts, EachFamilyIsMadeOnceWhileItIsKept) {
    for (const wchar_t* family : {L"Likhan", L"Mitra ", L"Likhan", L"Jamrul", L"Mitra ", L"Likhan"})
        EXPECT_EQ(cache.FontFor(family).family, family);
    EXPECT_EQ(made, (std::vector<std::wstring>{L"Likhan", L"Mitra ", L"Jamrul"}));
    EXPECT_EQ(*live, 3);
}

TEST_F(PreviewFonts, AFullCacheLetsTheLeastRecentlyDrawnGo) {
    for (const wchar_t* family : {L"A", L"B", L"C", L"A", L"D"}) cache.FontFor(family);
    EXPECT_EQ(*live, 3);
    EXPECT_EQ(cache.size(), 3u);
    made.clear();
    cache.FontFor(L"A");  // drawn again just before D came: still kept
    cache.FontFor(L"D");
    EXPECT_TRUE(made.empty());
    cache.FontFor(L"B");  // the one that went
    EXPECT_EQ(made, (std::vector<std::wstring>{L"B"}));
    EXPECT_EQ(*live, 3);
}

TEST_F(PreviewFonts, ClearingLetsEveryFontGoAndTheNextDrawMakesThemAgain) {
    cache.FontFor(L"A");
    cache.FontFor(L"B");
    cache.Clear();
    EXPECT_EQ(*live, 0);
    cache.FontFor(L"A");
    EXPECT_EQ(made, (std::vector<std::wstring>{L"A", L"B", L"A"}));
}

}  // namespace
