// How Wine's RemoveFontResourceW treats the ways a font gets registered.
// Wine keeps a font table per process: each process loads every file in the
// fonts folder when it starts, so each case runs in a process of its own
// (rig_font_unregistering_probe). These tests record what Wine does, for the
// end-to-end tests that depend on it; Windows registers fonts per session.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32_special_folder_path.h"
#include "platform/registry_access.h"
#include "platform/unique_handle.h"
#include "platform/win32_registry.h"
#include "win_test_files.h"

namespace {

constexpr DWORD kAddFailed = 100;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// The probe's exit code: RemoveFontResourceW's result, or kAddFailed.
DWORD RunProbe(const std::wstring& arguments, const std::wstring& directory) {
    std::wstring command = Quoted(TestExecutableFolder() + L"rig_font_unregistering_probe.exe") + L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup,
                        &info)) {
        ADD_FAILURE() << "cannot start the probe: " << GetLastError();
        return 0;
    }
    const unique_handle process(info.hProcess), thread(info.hThread);
    EXPECT_EQ(WaitForSingleObject(process.get(), 30000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

}  // namespace

TEST(FontUnregistering, AddedFontGoesByFullPathOrByBareNameFromItsOwnFolder) {
    const std::wstring folder = FreshTempFolder(L"glyphor-added-font");
    const std::wstring font = folder + L"Vrinda.ttf";
    ASSERT_TRUE(CopyFileW(StandInVrinda().c_str(), font.c_str(), FALSE));
    const std::wstring add = L"--add " + Quoted(font) + L" ";

    EXPECT_EQ(RunProbe(L"--family Vrinda", folder), 0u) << "the stand-in must be unknown until added";
    EXPECT_NE(RunProbe(add + Quoted(font), L"C:\\"), 0u);
    // A bare name is looked up in the current directory only.
    EXPECT_NE(RunProbe(add + L"Vrinda.ttf", folder), 0u);
    EXPECT_EQ(RunProbe(add + L"Vrinda.ttf", L"C:\\"), 0u);
}

TEST(FontUnregistering, FontInTheFontsFolderStaysRegisteredUnderWine) {
    const std::wstring fonts = mGetLocation::GetSpecialFolderPath(CSIDL_FONTS);
    const std::wstring font = fonts + L"Vrinda.ttf";
    ASSERT_TRUE(CopyFileW(StandInVrinda().c_str(), font.c_str(), FALSE));
    Win32Registry registry;
    mRegistry::WriteRegistryText(registry, RegistryRoot::LocalMachine,
                                 L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", L"Vrinda (TrueType)",
                                 L"Vrinda.ttf");
    const std::wstring other = FreshTempFolder(L"glyphor-elsewhere");

    EXPECT_EQ(RunProbe(L"--family Vrinda", other), 1u) << "a new process loads the fonts folder";
    // Neither the name the program uses nor the path the system loaded it by,
    // not even after the process added the same file itself.
    EXPECT_EQ(RunProbe(L"Vrinda.ttf", other), 0u);
    EXPECT_EQ(RunProbe(L"Vrinda.ttf", fonts), 0u);
    EXPECT_EQ(RunProbe(Quoted(font), other), 0u);
    EXPECT_EQ(RunProbe(L"--add Vrinda.ttf Vrinda.ttf", fonts), 0u);
    EXPECT_EQ(RunProbe(L"--add " + Quoted(font) + L" " + Quoted(font), other), 0u);
    DeleteFileW(font.c_str());
}

// What lets a test see the removal succeed in a program that never adds the
// font itself: a newer copy registered through the Fonts key by its full
// path outside the fonts folder, and the program started in that folder.
TEST(FontUnregistering, NewerCopyRegisteredFromElsewhereIsRemovable) {
    const std::wstring fonts = mGetLocation::GetSpecialFolderPath(CSIDL_FONTS);
    ASSERT_TRUE(CopyFileW(StandInVrinda().c_str(), (fonts + L"Vrinda.ttf").c_str(), FALSE));
    const std::wstring folder = FreshTempFolder(L"glyphor-registered-font");
    const std::wstring font = folder + L"Vrinda.ttf";
    ASSERT_TRUE(CopyFileW((TestExecutableFolder() + L"vrinda-standin-newer.ttf").c_str(), font.c_str(), FALSE));
    Win32Registry registry;
    mRegistry::WriteRegistryText(registry, RegistryRoot::LocalMachine,
                                 L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", L"Vrinda (TrueType)",
                                 font);

    EXPECT_NE(RunProbe(L"Vrinda.ttf", folder), 0u);
    EXPECT_NE(RunProbe(Quoted(font), fonts), 0u);
    EXPECT_EQ(RunProbe(Quoted(fonts + L"Vrinda.ttf"), folder), 0u);
    DeleteFileW((fonts + L"Vrinda.ttf").c_str());
}
