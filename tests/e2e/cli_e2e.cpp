// glyphor-cli.exe run as a script runs it, against the prefix's registry,
// fonts folder and drive C:, and next to the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "console_run.h"
#include "driver.h"
#include "prefix_fonts.h"
#include "registry_snapshot.h"
#include "unfixed_machine.h"

using namespace driver;

namespace {

constexpr wchar_t kGuard[] = L"Global\\Orrinel.Glyphor.SingleInstance";
// লিখন, Likhan written in Bengali.
const std::wstring kBengaliFace = L"\u09B2\u09BF\u0996\u09A8";

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::set<std::wstring> FontsFolderFiles() {
    std::set<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FontsFolder())))
        names.insert(entry.path().filename().wstring() + L" " + std::to_wstring(entry.file_size()));
    return names;
}

// regedit /s, as a script restores a backup; false when it did not end in time.
bool ImportWithRegedit(const std::wstring& file) {
    std::wstring command = L"regedit.exe /S \"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    unique_handle process(info.hProcess);
    return WaitForSingleObject(process.get(), 30000) == WAIT_OBJECT_0;
}

// Each case starts on a machine that no fix has touched.
class Console : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ResetToUnfixedMachine()); }

    std::optional<RegistryValue> Substitute() const {
        return ReadRegistryValue(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda");
    }

    // The export of this moment, as the file's bytes.
    std::string Export(const std::wstring& name) const {
        const std::wstring path = ArtefactPath(name);
        const ConsoleRun run = RunConsole({L"export", path});
        EXPECT_EQ(run.code, 0u) << run.error;
        return FileContents(path);
    }

    const std::wstring standIn = VrindaStandIn();
    const std::wstring fontFile = VrindaInFontsFolder();
};

TEST_F(Console, EachCommandPrintsAndExitsAsAScriptExpects) {
    struct Case {
        std::vector<std::wstring> line;
        DWORD code;
        std::string out;    // a part of standard output
        std::string error;  // a part of standard error; empty: nothing at all
    };
    const Case cases[] = {
        {{L"--version"}, 0, ToUtf8(L"glyphor-cli " GLYPHOR_VERSION L"\r\n"), ""},
        {{L"--help"}, 0, "Usage:\r\n  glyphor-cli list [--all] [--json]\r\n", ""},
        {{L"frobnicate"}, 2, "", "glyphor-cli: unknown command \xE2\x80\x9C" "frobnicate\xE2\x80\x9D\r\n\r\nUsage:"},
        {{L"fix"}, 2, "", "glyphor-cli: fix needs the name of a font face\r\n"},
        {{L"list"}, 0, "Likhan\r\n", ""},
        {{L"status"}, 0, "Default Bengali font: Vrinda\r\n", ""},
        {{L"status"}, 0, "  Vrinda (TrueType): registered as Vrinda.ttf\r\n", ""},
        {{L"fix", L"Likhan\nB", L"--force"}, 2, "", "glyphor-cli: the face holds a line break, a tab or another control"},
        {{L"fix", L"Likhann"}, 1, "", "No: give --force to go ahead all the same\r\nNothing was changed.\r\n"},
        {{L"fix", L"Likhan"}, 3010, "Default Font is - Likhan\r\n", ""},
        {{L"fix", L"Likhan"}, 0, "Nothing to change: everything already is as asked.\r\n", ""},
        {{L"fix", L"Likhan", L"--dry-run"}, 0, "Nothing to change: everything already is as asked.\r\n", ""},
        {{L"status"}, 0, "Default Bengali font: Likhan\r\n", ""},
        {{L"status"}, 0, "    backup C:\\Vrinda.ttf: present\r\n", ""},
        {{L"restore"}, 3010, "Please Install Vrinda & then Press OK\r\n", "No: give --reinstall-vrinda"},
        {{L"restore", L"--reinstall-vrinda"}, 3010, "", "Yes: --reinstall-vrinda was given\r\n"},
        {{L"status"}, 0, "  Vrinda (TrueType): registered as Vrinda.ttf\r\n", ""},
        {{L"restore", L"--reinstall-vrinda", L"--dry-run"}, 0, "Nothing to change: everything already is as asked.\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.line));
        const ConsoleRun run = RunConsole(c.line);
        EXPECT_EQ(run.code, c.code) << run.out << run.error;
        EXPECT_TRUE(Has(run.out, c.out)) << run.out;
        if (c.error.empty()) {
            EXPECT_EQ(run.error, "");
        } else {
            EXPECT_TRUE(Has(run.error, c.error)) << run.error;
        }
    }
    EXPECT_EQ(FileContents(fontFile), FileContents(standIn));
    EXPECT_EQ(FileContents(kVrindaBackup), FileContents(standIn));
}

TEST_F(Console, DryRunChangesNothing) {
    const RegistrySnapshot before = SnapshotRegistry();
    const auto files = FontsFolderFiles();
    for (const std::vector<std::wstring>& line :
         {std::vector<std::wstring>{L"fix", L"Likhan", L"--ie", L"--smoothing", L"--dry-run"},
          std::vector<std::wstring>{L"restore", L"--ie", L"--reinstall-vrinda", L"--dry-run"}}) {
        const ConsoleRun run = RunConsole(line);
        EXPECT_EQ(run.code, 0u) << run.error;
        EXPECT_TRUE(run.out.starts_with("Windows Registry Editor Version 5.00\r\n")) << run.out;
    }
    EXPECT_TRUE(Has(RunConsole({L"fix", L"Likhan", L"--dry-run"}).out,
                    "\"Vrinda\"=\"Likhan\"\r\n\r\n; Other steps, in order:\r\n")) << "the plan's .reg, then its other steps";
    EXPECT_EQ(RegistryDifferences(before, SnapshotRegistry()), std::vector<std::wstring>{});
    EXPECT_EQ(FontsFolderFiles(), files);
    EXPECT_EQ(FileContents(fontFile), FileContents(standIn));
    EXPECT_FALSE(FileExists(kVrindaBackup));
}

TEST_F(Console, ABengaliFaceNameSurvivesThePipes) {
    const ConsoleRun run = RunConsole({L"fix", kBengaliFace, L"--force", L"--dry-run"});
    EXPECT_EQ(run.code, 0u);
    EXPECT_TRUE(Has(run.out, "\"Vrinda\"=\"" + ToUtf8(kBengaliFace) + "\"\r\n")) << run.out;
    EXPECT_TRUE(Has(run.error, "No font called \xE2\x80\x9C" + ToUtf8(kBengaliFace) + "\xE2\x80\x9D is installed"))
        << run.error;
}

// Imported by regedit, the export puts back every value as it was.
TEST_F(Console, TheExportIsABackupRegeditImports) {
    ASSERT_EQ(RunConsole({L"fix", L"Likhan", L"--ie", L"--smoothing"}).code, 3010u);
    const std::wstring backup = ArtefactPath(L"fixed.reg");
    ASSERT_EQ(RunConsole({L"export", backup}).code, 0u);
    const std::string bytes = FileContents(backup);
    ASSERT_TRUE(bytes.starts_with(std::string("\xFF\xFEW\0i\0n\0", 8))) << "UTF-16LE with its byte-order mark";

    const RegistrySnapshot fixed = SnapshotRegistry();
    ASSERT_EQ(RunConsole({L"restore", L"--ie"}).code, 3010u);
    ASSERT_NE(RegistryDifferences(fixed, SnapshotRegistry()), std::vector<std::wstring>{});

    ASSERT_TRUE(ImportWithRegedit(backup));
    EXPECT_EQ(RegistryDifferences(fixed, SnapshotRegistry()), std::vector<std::wstring>{});
}

// Another program stored a substitute with line breaks in it: regedit puts
// the exported text back whole and makes no key or value of what follows a break.
TEST_F(Console, AnExportedTextWithLineBreaksImportsBackWhole) {
    const std::wstring injected = L"a\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\GlyphorInjected]\n\"x\"=\"1";
    ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda", injected));
    const std::optional<RegistryValue> stored = Substitute();
    ASSERT_TRUE(stored);
    const std::wstring backup = ArtefactPath(L"injected.reg");
    ASSERT_EQ(RunConsole({L"export", backup}).code, 0u);
    // The rows of absent values leave their keys behind, empty: a first
    // import makes them, so that only what the text could make is left to see.
    ASSERT_TRUE(ImportWithRegedit(backup));
    const RegistrySnapshot imported = SnapshotRegistry();
    for (const auto& [key, values] : imported) EXPECT_EQ(key.find(L"GlyphorInjected"), std::wstring::npos) << key;

    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda");
    ASSERT_FALSE(Substitute());
    ASSERT_TRUE(ImportWithRegedit(backup));
    EXPECT_EQ(Substitute(), stored);
    EXPECT_EQ(RegistryDifferences(imported, SnapshotRegistry()), std::vector<std::wstring>{});
}

// A substitute holding an unpaired surrogate, which the .reg file's UTF-16
// cannot carry as text, comes back from the export exactly.
TEST_F(Console, AnExportedTextWithAnUnpairedSurrogateImportsBackTheSame) {
    ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda", std::wstring(L"Lik") + wchar_t{0xD800} + L"han"));
    const std::optional<RegistryValue> stored = Substitute();
    ASSERT_TRUE(stored);
    const std::wstring backup = ArtefactPath(L"unpaired.reg");
    ASSERT_EQ(RunConsole({L"export", backup}).code, 0u);
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda");
    ASSERT_TRUE(ImportWithRegedit(backup));
    EXPECT_EQ(Substitute(), stored);
}

// The same choices made in the window and on the command line, each from
// the same machine, leave the same registry and the same files behind.
TEST_F(Console, FixWritesExactlyWhatTheWindowsFixWrites) {
    std::vector<std::wstring> windowChanges;
    std::string windowExport;
    {
        StartedGlyphor glyphor;
        ASSERT_NE(glyphor.window, nullptr);
        const RegistrySnapshot before = SnapshotRegistry();
        const std::wstring face = L"Likhan";
        SendMessageW(ChildById(glyphor.window, ControlId::comFont), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(face.c_str()));
        SendMessageW(ChildById(glyphor.window, ControlId::chkIE), BM_CLICK, 0, 0);
        ASSERT_EQ(SendMessageW(ChildById(glyphor.window, ControlId::chkFS), BM_GETCHECK, 0, 0), BST_CHECKED);
        Click(ChildById(glyphor.window, ControlId::cmdFix));
        // Wine's restart prompt comes last; Yes would end the session.
        for (MessageBoxSeen box = WaitForMessageBox(glyphor.program.pid());; box = WaitForMessageBox(glyphor.program.pid())) {
            ASSERT_NE(box.window, nullptr) << "no restart prompt came";
            if (box.title == L"Restart") {
                Answer(box.window, IDNO);
                break;
            }
            Answer(box.window, IDOK);
        }
        windowChanges = RegistryDifferences(before, SnapshotRegistry());
        windowExport = Export(L"after-window.reg");
    }
    const std::string windowBackup = FileContents(kVrindaBackup);
    const bool windowLeftFont = FileExists(fontFile);

    ASSERT_TRUE(ResetToUnfixedMachine());
    const RegistrySnapshot before = SnapshotRegistry();
    const ConsoleRun run = RunConsole({L"fix", L"Likhan", L"--ie", L"--smoothing"});
    EXPECT_EQ(run.code, 3010u) << run.error;
    EXPECT_EQ(RegistryDifferences(before, SnapshotRegistry()), windowChanges);
    EXPECT_EQ(Export(L"after-console.reg"), windowExport);
    EXPECT_EQ(FileContents(kVrindaBackup), windowBackup);
    EXPECT_EQ(FileExists(fontFile), windowLeftFont);
    EXPECT_FALSE(windowChanges.empty());
}

TEST_F(Console, RefusesToFixWhileTheWindowRuns) {
    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);
    const ConsoleRun run = RunConsole({L"fix", L"Likhan"});
    EXPECT_EQ(run.code, 1u);
    EXPECT_TRUE(Has(run.error, "Error: Glyphor is already running.")) << run.error;
    EXPECT_FALSE(Substitute());
    // What only reads goes on.
    EXPECT_EQ(RunConsole({L"status"}).code, 0u);
}

TEST_F(Console, TheWindowRefusesWhileAConsoleRunFixes) {
    StalledConsole console({L"fix", L"Likhan"});
    ASSERT_TRUE(WaitUntil(20s, [] {
        unique_handle guard(OpenMutexW(SYNCHRONIZE, FALSE, kGuard));
        return static_cast<bool>(guard);
    })) << "the console run never took the guard";

    Program window(BuildPath(L"glyphor.exe"));
    const MessageBoxSeen box = WaitForMessageBox(window.pid());
    EXPECT_EQ(box.text, L"Already Running");
    EXPECT_TRUE(console.Running()) << "the console run ended before the window started";
    if (box.window) Answer(box.window, IDOK);
    EXPECT_EQ(window.WaitForExit(), 0u);

    const ConsoleRun run = console.Finish();
    EXPECT_EQ(run.code, 3010u) << run.out;
}

}  // namespace
