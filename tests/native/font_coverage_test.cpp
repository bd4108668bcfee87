#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "fonts/bengali_font_filter.h"
#include "fonts/glyph_set.h"

using mFontEnum::BengaliFontFilter;
using mFontEnum::GlyphSetHeader;
using mFontEnum::ParseGlyphSet;
using mFontEnum::WcRange;

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A coverage buffer as the platform writes it; cRanges may be made to lie.
std::vector<std::uint8_t> Coverage(std::initializer_list<WcRange> ranges, std::uint32_t cRanges) {
    std::vector<std::uint8_t> bytes;
    PutLittleEndian(bytes, static_cast<std::uint32_t>(16 + 4 * ranges.size()), 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 13, 4);
    PutLittleEndian(bytes, cRanges, 4);
    for (const WcRange& range : ranges) {
        PutLittleEndian(bytes, range.wcLow, 2);
        PutLittleEndian(bytes, range.cGlyphs, 2);
    }
    return bytes;
}

std::vector<std::uint8_t> Coverage(std::initializer_list<WcRange> ranges) {
    return Coverage(ranges, static_cast<std::uint32_t>(ranges.size()));
}

std::vector<WcRange> Parsed(const std::vector<std::uint8_t>& bytes) {
    return ParseGlyphSet(bytes.data(), bytes.size()).ranges;
}

constexpr WcRange kDanda{0x0964, 2};
constexpr WcRange kSigns{0x0981, 3};
constexpr WcRange kVowels{0x0985, 8};

}  // namespace

TEST(ParseGlyphSet, ReadsTheSignatureBufferOfABengaliFont) {
    const auto bytes = Coverage({kDanda, kSigns, kVowels});
    ASSERT_EQ(bytes.size(), 28u);
    const auto set = ParseGlyphSet(bytes.data(), bytes.size());
    EXPECT_EQ(set.header, (GlyphSetHeader{28, 0, 13, 3}));
    EXPECT_EQ(set.ranges, (std::vector<WcRange>{kDanda, kSigns, kVowels}));
    EXPECT_TRUE(BengaliFontFilter(set.ranges));
}

TEST(ParseGlyphSet, ReadsEveryByteLittleEndian) {
    const std::vector<std::uint8_t> bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B,
                                          0x0C, 0x01, 0x00, 0x00, 0x00, 0xCD, 0xAB, 0x34, 0x12};
    const auto set = ParseGlyphSet(bytes.data(), bytes.size());
    EXPECT_EQ(set.header, (GlyphSetHeader{0x04030201, 0x08070605, 0x0C0B0A09, 1}));
    EXPECT_EQ(set.ranges, (std::vector<WcRange>{{0xABCD, 0x1234}}));
}

TEST(ParseGlyphSet, HeaderOnlyOrNoRangesGivesAnEmptyList) {
    const auto bytes = Coverage({});
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_TRUE(Parsed(bytes).empty());
    // Entries beyond a cRanges of 0 are not ranges.
    EXPECT_TRUE(Parsed(Coverage({kDanda, kSigns, kVowels}, 0)).empty());
    EXPECT_FALSE(BengaliFontFilter(Parsed(Coverage({kDanda, kSigns, kVowels}, 0))));
}

TEST(ParseGlyphSet, BufferShorterThanTheHeaderGivesNothing) {
    const auto bytes = Coverage({kDanda, kSigns, kVowels});
    for (std::size_t length : {0u, 1u, 12u, 15u}) {
        const auto set = ParseGlyphSet(bytes.data(), length);
        EXPECT_EQ(set.header, GlyphSetHeader{}) << length;
        EXPECT_TRUE(set.ranges.empty()) << length;
    }
    EXPECT_TRUE(ParseGlyphSet(nullptr, 28).ranges.empty());
}

TEST(ParseGlyphSet, TruncatedBufferGivesOnlyTheWholeEntriesItHolds) {
    const auto bytes = Coverage({kDanda, kSigns, kVowels});
    EXPECT_EQ(ParseGlyphSet(bytes.data(), 27).ranges, (std::vector<WcRange>{kDanda, kSigns}));
    EXPECT_EQ(ParseGlyphSet(bytes.data(), 24).ranges, (std::vector<WcRange>{kDanda, kSigns}));
    EXPECT_EQ(ParseGlyphSet(bytes.data(), 19).ranges, std::vector<WcRange>{});
    EXPECT_EQ(ParseGlyphSet(bytes.data(), 27).header.cRanges, 3u);
    EXPECT_FALSE(BengaliFontFilter(ParseGlyphSet(bytes.data(), 27).ranges));
}

TEST(ParseGlyphSet, HeaderClaimingMoreRangesThanTheBufferHoldsIsNotBelieved) {
    const auto set = [] {
        const auto bytes = Coverage({kDanda, kSigns, kVowels}, 0xFFFFFFFF);
        return ParseGlyphSet(bytes.data(), bytes.size());
    }();
    EXPECT_EQ(set.header.cRanges, 0xFFFFFFFFu);
    EXPECT_EQ(set.ranges, (std::vector<WcRange>{kDanda, kSigns, kVowels}));
    EXPECT_LE(set.ranges.capacity(), 3u);
    // A count smaller than the buffer wins too.
    EXPECT_EQ(Parsed(Coverage({kDanda, kSigns, kVowels}, 2)), (std::vector<WcRange>{kDanda, kSigns}));
}

TEST(ParseGlyphSet, WalksMoreEntriesThanASigned16BitIndexReaches) {
    std::vector<WcRange> many(40000, WcRange{0x0041, 1});
    many.back() = kVowels;
    many[39998] = kSigns;
    many[39997] = kDanda;
    std::vector<std::uint8_t> bytes = Coverage({}, static_cast<std::uint32_t>(many.size()));
    for (const WcRange& range : many) {
        PutLittleEndian(bytes, range.wcLow, 2);
        PutLittleEndian(bytes, range.cGlyphs, 2);
    }
    const auto ranges = Parsed(bytes);
    EXPECT_EQ(ranges.size(), many.size());
    EXPECT_TRUE(BengaliFontFilter(ranges));
}

TEST(BengaliFontFilter, FindsTheThreeRunsInAnyOrderAmongOthers) {
    const WcRange latin{0x0020, 95};
    const WcRange bengaliRest{0x098F, 2};
    EXPECT_TRUE(BengaliFontFilter(std::vector<WcRange>{kVowels, kDanda, kSigns}));
    EXPECT_TRUE(BengaliFontFilter(std::vector<WcRange>{kSigns, kVowels, kDanda}));
    EXPECT_TRUE(BengaliFontFilter(std::vector<WcRange>{latin, kDanda, bengaliRest, kSigns, latin, kVowels, latin}));
    // A target met twice still counts once; the others must be there.
    EXPECT_TRUE(BengaliFontFilter(std::vector<WcRange>{kDanda, kDanda, kSigns, kVowels}));
    EXPECT_FALSE(BengaliFontFilter(std::vector<WcRange>{kDanda, kDanda, kDanda, kSigns}));
}

TEST(BengaliFontFilter, RejectsNearMisses) {
    const struct {
        const char* what;
        std::vector<WcRange> ranges;
    } cases[] = {
        {"danda run reaches the Devanagari digits", {{0x0964, 3}, kSigns, kVowels}},
        {"danda run of 12 (all the digits)", {{0x0964, 12}, kSigns, kVowels}},
        {"signs start at U+0980", {kDanda, {0x0980, 4}, kVowels}},
        {"signs run of 2", {kDanda, {0x0981, 2}, kVowels}},
        {"vowel run of 7", {kDanda, kSigns, {0x0985, 7}}},
        {"vowel run of 9", {kDanda, kSigns, {0x0985, 9}}},
        {"vowel run starting earlier", {kDanda, kSigns, {0x0984, 9}}},
        {"signs and vowels as one run", {kDanda, {0x0981, 12}}},
        {"fields swapped", {kDanda, kSigns, {8, 0x0985}}},
        {"no danda", {kSigns, kVowels}},
        {"no signs", {kDanda, kVowels}},
        {"no vowels", {kDanda, kSigns}},
        {"nothing", {}},
    };
    for (const auto& c : cases) EXPECT_FALSE(BengaliFontFilter(c.ranges)) << c.what;
}
