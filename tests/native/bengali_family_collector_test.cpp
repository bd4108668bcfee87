#include "fonts/bengali_family_collector.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using mFontEnum::BengaliFamilyCollector;

namespace {

using Bytes = std::vector<std::uint8_t>;

// (U+0964, 2), (U+0981, 3), (U+0985, 8) in the platform's byte layout.
const Bytes kBengali{28, 0, 0, 0, 0, 0, 0, 0, 13, 0, 0, 0, 3, 0, 0, 0,
                     0x64, 0x09, 2, 0, 0x81, 0x09, 3, 0, 0x85, 0x09, 8, 0};
// The same font but covering U+0980 as well.
const Bytes kWithU0980{28, 0, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0, 3, 0, 0, 0,
                       0x64, 0x09, 2, 0, 0x80, 0x09, 4, 0, 0x85, 0x09, 8, 0};
const Bytes kNoRanges{16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const Bytes kQueryFailed{};

// The fixed face-name field as the platform hands it over.
std::wstring Field(std::wstring name) {
    name.resize(32, L'\0');
    return name;
}

BengaliFamilyCollector::CoverageReader Answer(const Bytes& bytes, int& reads) {
    return [&bytes, &reads] {
        ++reads;
        return bytes;
    };
}

}  // namespace

TEST(BengaliFamilyCollector, ListsOnlyFamiliesWithTheBengaliRuns) {
    BengaliFamilyCollector collector;
    int reads = 0;
    collector.Offer(Field(L"Lohit Bengali"), Answer(kWithU0980, reads));
    collector.Offer(Field(L"Likhan"), Answer(kBengali, reads));
    collector.Offer(Field(L"Mitra "), Answer(kBengali, reads));
    collector.Offer(Field(L"DejaVu Sans"), Answer(kNoRanges, reads));
    collector.Offer(Field(L"Jamrul"), Answer(kBengali, reads));
    EXPECT_EQ(collector.Families(), (std::vector<std::wstring>{L"Likhan", L"Mitra ", L"Jamrul"}));
    EXPECT_EQ(reads, 5);
}

TEST(BengaliFamilyCollector, FailedQueryIsNotListedWhateverCameBefore) {
    BengaliFamilyCollector collector;
    int reads = 0;
    collector.Offer(Field(L"Broken First"), Answer(kQueryFailed, reads));
    collector.Offer(Field(L"Likhan"), Answer(kBengali, reads));
    collector.Offer(Field(L"Broken After"), Answer(kQueryFailed, reads));
    collector.Offer(Field(L"Empty After"), Answer(kNoRanges, reads));
    EXPECT_EQ(collector.Families(), std::vector<std::wstring>{L"Likhan"});
}

TEST(BengaliFamilyCollector, FamilyRepeatedPerCharacterSetIsReadAndListedOnce) {
    BengaliFamilyCollector collector;
    int reads = 0;
    for (int charset = 0; charset < 3; ++charset) {
        collector.Offer(Field(L"Likhan"), Answer(kBengali, reads));
        collector.Offer(Field(L"DejaVu Sans"), Answer(kNoRanges, reads));
    }
    EXPECT_EQ(collector.Families(), std::vector<std::wstring>{L"Likhan"});
    EXPECT_EQ(reads, 2);
    // Names that differ only by a trailing blank are different families.
    collector.Offer(Field(L"Likhan "), Answer(kBengali, reads));
    EXPECT_EQ(collector.Families(), (std::vector<std::wstring>{L"Likhan", L"Likhan "}));
}

TEST(BengaliFamilyCollector, FaceNameEndsAtTheFirstNulOrWithTheField) {
    BengaliFamilyCollector collector;
    int reads = 0;
    const std::wstring full31(31, L'x');
    const std::wstring full32(32, L'y');
    collector.Offer(Field(full31), Answer(kBengali, reads));
    collector.Offer(full32, Answer(kBengali, reads));
    std::wstring leftOver(L"Mitra \0left over", 16);
    leftOver.resize(32, L'z');
    collector.Offer(leftOver, Answer(kBengali, reads));
    EXPECT_EQ(collector.Families(), (std::vector<std::wstring>{full31, full32, L"Mitra "}));
}
