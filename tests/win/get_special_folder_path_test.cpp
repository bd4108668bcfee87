#include "platform/win32_special_folder_path.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

TEST(GetSpecialFolderPath, FontsFolderEndsInOneSeparator) {
    const std::wstring fonts = mGetLocation::GetSpecialFolderPath(CSIDL_FONTS);
    EXPECT_EQ(CompareStringOrdinal(fonts.c_str(), -1, L"C:\\windows\\Fonts\\", -1, TRUE), CSTR_EQUAL)
        << testing::PrintToString(fonts);
}

TEST(GetSpecialFolderPath, UnknownOrPathlessFolderGivesNothing) {
    EXPECT_EQ(mGetLocation::GetSpecialFolderPath(0x7E), L"");
    // "My Computer" is a folder of the shell only, with no path on disk.
    EXPECT_EQ(mGetLocation::GetSpecialFolderPath(CSIDL_DRIVES), L"");
}
