#include "browsers/win32_profile_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "win_test_files.h"

namespace {

void Write(const std::wstring& path, const std::string& contents) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << contents;
}

// A lock as a running browser holds it: Chromium shares it for reading, Firefox not at all.
unique_handle HoldLock(const std::wstring& path, DWORD sharing) {
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_WRITE, sharing, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return unique_handle(held == INVALID_HANDLE_VALUE ? nullptr : held);
}

std::size_t FilesIn(const std::wstring& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(Win32ProfileFiles, ALockIsHeldOnlyWhileABrowserHoldsItOpen) {
    const std::wstring folder = FreshTempFolder(L"glyphor-locks");
    Win32ProfileFiles files;
    EXPECT_FALSE(files.IsLockHeld(folder + L"lockfile")) << "no lock at all";
    for (const DWORD sharing : {DWORD{FILE_SHARE_READ}, DWORD{0}}) {
        SCOPED_TRACE(sharing);
        {
            const unique_handle held = HoldLock(folder + L"lockfile", sharing);
            ASSERT_TRUE(held);
            EXPECT_TRUE(files.IsLockHeld(folder + L"lockfile"));
            // Its settings can still be read while it runs, as status does.
            Write(folder + L"Preferences", "{}");
            EXPECT_EQ(files.Read(folder + L"Preferences").bytes, "{}");
        }
        EXPECT_FALSE(files.IsLockHeld(folder + L"lockfile")) << "a lock left behind";
    }
}

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
