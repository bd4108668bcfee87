#include "platform/win32_font_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "repair/apply_plan.h"
#include "repair/remove_vrinda_font.h"
#include "repair_fakes.h"
#include "win_test_files.h"

namespace {

void Write(const std::wstring& path, const std::string& contents) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << contents;
}

}  // namespace

TEST(Win32FontFiles, MovesWithoutReplacingAndDeletes) {
    const std::wstring folder = FreshTempFolder(L"glyphor-files");
    Win32FontFiles files;
    Write(folder + L"a.ttf", "first");
    Write(folder + L"b.ttf", "second");

    EXPECT_FALSE(files.Move(folder + L"a.ttf", folder + L"b.ttf"));
    EXPECT_EQ(FileContents(folder + L"b.ttf"), "second");
    EXPECT_TRUE(files.Move(folder + L"a.ttf", folder + L"c.ttf"));
    EXPECT_FALSE(files.Exists(folder + L"a.ttf"));
    EXPECT_EQ(FileContents(folder + L"c.ttf"), "first");

    EXPECT_TRUE(files.Delete(folder + L"c.ttf"));
    EXPECT_FALSE(files.Delete(folder + L"c.ttf"));
    EXPECT_FALSE(files.Exists(folder + L"c.ttf"));
    // A folder of that name is no backup, but it does take the name.
    CreateDirectoryW((folder + L"d.ttf").c_str(), nullptr);
    EXPECT_FALSE(files.Exists(folder + L"d.ttf"));
    EXPECT_TRUE(files.Occupied(folder + L"d.ttf"));
    EXPECT_FALSE(files.Occupied(folder + L"e.ttf"));
    RemoveDirectoryW((folder + L"d.ttf").c_str());
}

TEST(Win32FontFiles, CopiesWithoutReplacingAndKeepsTheSource) {
    const std::wstring folder = FreshTempFolder(L"glyphor-copy");
    Win32FontFiles files;
    Write(folder + L"backup.ttf", "backup");
    Write(folder + L"installed.ttf", "installed");
    EXPECT_FALSE(files.Copy(folder + L"backup.ttf", folder + L"installed.ttf"));
    EXPECT_EQ(FileContents(folder + L"installed.ttf"), "installed");
    EXPECT_TRUE(files.Copy(folder + L"backup.ttf", folder + L"copy.ttf"));
    EXPECT_EQ(FileContents(folder + L"copy.ttf"), "backup");
    EXPECT_EQ(FileContents(folder + L"backup.ttf"), "backup");
    // Nothing here is guarded by the system.
    EXPECT_FALSE(files.IsProtected(folder + L"copy.ttf"));
}

TEST(Win32FontFiles, UnregistersAFontThisProcessAdded) {
    const std::wstring font = FreshTempFolder(L"glyphor-unregister") + L"Vrinda.ttf";
    ASSERT_TRUE(CopyFileW(StandInVrinda().c_str(), font.c_str(), FALSE));
    Win32FontFiles files;
    ASSERT_TRUE(files.Register(font));
    EXPECT_TRUE(files.Unregister(font));
    EXPECT_FALSE(files.Unregister(font));
    files.BroadcastFontChange();
}

// The removal over the prefix's real fonts folder and drive C:.
TEST(Win32FontFiles, RemovalKeepsOneCopyOfTheFontAtAllTimes) {
    Win32FontFiles files;
    const std::wstring fontFile = files.FontsFolder() + L"Vrinda.ttf";
    CallLog log;
    MemoryRegistry registry;
    FakePrompts prompts{log};
    FakeRestartPrompt restart{log};
    AskingUser user{prompts};
    FakeProfileFiles profiles;
    const auto removeVrinda = [&] {
        ApplyPlan(RemoveVrindaFont(FindVrindaFaces(registry, files)), {registry, files, prompts, user, restart, profiles});
    };

    Write(fontFile, "vrinda");
    removeVrinda();
    EXPECT_EQ(FileContents(L"C:\\Vrinda.ttf"), "vrinda");
    EXPECT_FALSE(files.Exists(fontFile));

    // Reinstalled: the first backup stays, the fonts-folder copy goes.
    Write(fontFile, "reinstalled");
    removeVrinda();
    EXPECT_EQ(FileContents(L"C:\\Vrinda.ttf"), "vrinda");
    EXPECT_FALSE(files.Exists(fontFile));

    // Something that is not a file blocks the backup: the font stays put.
    ASSERT_TRUE(DeleteFileW(L"C:\\Vrinda.ttf"));
    ASSERT_TRUE(CreateDirectoryW(L"C:\\Vrinda.ttf", nullptr));
    Write(fontFile, "only copy");
    removeVrinda();
    EXPECT_EQ(FileContents(fontFile), "only copy");
    RemoveDirectoryW(L"C:\\Vrinda.ttf");
    DeleteFileW(fontFile.c_str());
}
