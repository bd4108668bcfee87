#include "platform/folder_path.h"

#include <gtest/gtest.h>

TEST(FolderPathWithSeparator, EndsInExactlyOneSeparator) {
    EXPECT_EQ(mGetLocation::FolderPathWithSeparator(L"C:\\windows\\Fonts"), L"C:\\windows\\Fonts\\");
    EXPECT_EQ(mGetLocation::FolderPathWithSeparator(L"C:\\windows\\Fonts\\"), L"C:\\windows\\Fonts\\");
    EXPECT_EQ(mGetLocation::FolderPathWithSeparator(L"D:\\"), L"D:\\");
}

TEST(FolderPathWithSeparator, NoPathStaysEmpty) {
    EXPECT_EQ(mGetLocation::FolderPathWithSeparator(L""), L"");
}
