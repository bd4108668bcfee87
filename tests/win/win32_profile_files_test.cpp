#include "browsers/win32_profile_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "win_test_files.h"

namespace {

void Write(const std::wstring& path, const std::string& contents) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << contents;
}

std::size_t FilesIn(const std::wstring& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

// Whether a held lock blocks, and a stale one does not, browser_proof shows
// with the locks held as the browsers hold them.
TEST(Win32ProfileFiles, ReplacesInOneStepOrLeavesTheFileAsItWas) {
    const std::wstring folder = FreshTempFolder(L"glyphor-replace");
    const std::wstring settings = folder + L"Preferences";
    Win32ProfileFiles files;
    Write(settings, "{\"old\":1}");

    EXPECT_EQ(files.Replace(settings, "{\"new\":2}"), ProfileFiles::Replaced::Done);
    EXPECT_EQ(FileContents(settings), "{\"new\":2}");
    EXPECT_EQ(FilesIn(folder), 1u) << "the new file took the old one's place";

    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(files.Replace(settings, "{\"lost\":3}"), ProfileFiles::Replaced::ReadOnly);
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileContents(settings), "{\"new\":2}");
    EXPECT_EQ(FilesIn(folder), 1u);

    EXPECT_EQ(files.Replace(folder + L"gone\\Preferences", "{}"), ProfileFiles::Replaced::Failed);
    EXPECT_EQ(files.Read(folder + L"gone\\Preferences").state, ProfileFiles::Contents::State::Missing);
}

TEST(Win32ProfileFiles, ListsFoldersOnly) {
    const std::wstring folder = FreshTempFolder(L"glyphor-profiles");
    CreateDirectoryW((folder + L"Default").c_str(), nullptr);
    CreateDirectoryW((folder + L"Profile 1").c_str(), nullptr);
    Write(folder + L"Local State", "{}");
    std::vector<std::wstring> found = Win32ProfileFiles().Folders(folder.substr(0, folder.size() - 1));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::wstring>{L"Default", L"Profile 1"}));
    EXPECT_TRUE(Win32ProfileFiles().Folders(folder + L"none").empty());
}
