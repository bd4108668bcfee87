#include "fonts/win32_enumerate_bengali_families.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "live_gdi_objects.h"
#include "platform/unique_handle.h"

namespace {

// Debian's Bengali fonts, loaded into this process only, so that the list
// does not depend on what the prefix or the host happens to offer.
const wchar_t* const kFontFiles[] = {
    L"Z:\\usr\\share\\fonts\\truetype\\fonts-beng-extra\\JamrulNormal.ttf",
    L"Z:\\usr\\share\\fonts\\truetype\\fonts-beng-extra\\LikhanNormal.ttf",
    L"Z:\\usr\\share\\fonts\\truetype\\fonts-beng-extra\\MitraMono.ttf",
    L"Z:\\usr\\share\\fonts\\truetype\\fonts-beng-extra\\Mukti.ttf",
    L"Z:\\usr\\share\\fonts\\truetype\\fonts-beng-extra\\Ani.ttf",
    L"Z:\\usr\\share\\fonts\\truetype\\lohit-bengali\\Lohit-Bengali.ttf",
};

class FontEnumeration : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const wchar_t* file : kFontFiles) {
            EXPECT_GT(AddFontResourceExW(file, FR_PRIVATE, nullptr), 0) << file;
        }
    }
    static void TearDownTestSuite() {
        for (const wchar_t* file : kFontFiles) RemoveFontResourceExW(file, FR_PRIVATE, nullptr);
    }

    bool Listed(const std::wstring& family) const {
        return std::find(families_.begin(), families_.end(), family) != families_.end();
    }

    unique_hdc dc_{CreateCompatibleDC(nullptr)};
    std::vector<std::wstring> families_;
};

}  // namespace

TEST_F(FontEnumeration, ListsTheFontsWithTheBengaliRunsOnly) {
    ASSERT_TRUE(dc_);
    families_ = mFontEnum::EnumerateBengaliFamilies(dc_.get());
    EXPECT_TRUE(Listed(L"Jamrul"));
    EXPECT_TRUE(Listed(L"Likhan"));
    // The family name really ends in a blank, and is listed as it is.
    EXPECT_TRUE(Listed(L"Mitra "));
    EXPECT_FALSE(Listed(L"Mitra"));
    // These cover U+0980 as well, so their runs have another shape.
    EXPECT_FALSE(Listed(L"Lohit Bengali"));
    EXPECT_FALSE(Listed(L"Mukti"));
    EXPECT_FALSE(Listed(L"Ani"));
    EXPECT_FALSE(Listed(L"Tahoma"));
}

TEST_F(FontEnumeration, ListsEachFamilyOnce) {
    families_ = mFontEnum::EnumerateBengaliFamilies(dc_.get());
    std::vector<std::wstring> sorted = families_;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST_F(FontEnumeration, LeavesTheDeviceContextsFontInPlace) {
    const HGDIOBJ before = GetCurrentObject(dc_.get(), OBJ_FONT);
    families_ = mFontEnum::EnumerateBengaliFamilies(dc_.get());
    EXPECT_EQ(GetCurrentObject(dc_.get(), OBJ_FONT), before);
}

TEST_F(FontEnumeration, RepeatedEnumerationsKeepNoGdiObjects) {
    families_ = mFontEnum::EnumerateBengaliFamilies(dc_.get());
    const long objects = LiveGdiObjects();
    ASSERT_GT(objects, 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(mFontEnum::EnumerateBengaliFamilies(dc_.get()), families_);
    EXPECT_LE(LiveGdiObjects(), objects);
}
