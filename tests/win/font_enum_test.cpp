#include "fonts/win32_enumerate_bengali_families.h"

#include <gtest/gtest.h>

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

    unique_hdc dc_{CreateCompatibleDC(nullptr)};
    std::vector<std::wstring> families_;
};

}  // namespace

// Which families are listed, each once, is checked against the fonts' own
// character maps from outside (font_list_e2e).

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
