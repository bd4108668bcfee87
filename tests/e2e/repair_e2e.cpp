// Fix It and Restore driven from outside, against the prefix's real
// registry, fonts folder and drive C:.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "driver.h"
#include "prefix_fonts.h"
#include "registry_snapshot.h"
#include "unfixed_machine.h"

using namespace driver;

namespace {

constexpr wchar_t kCaption[] = L"Glyphor by Orrinel";
constexpr wchar_t kBengaliScriptKey[] = L"Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11";
constexpr wchar_t kDesktopKey[] = L".DEFAULT\\Control Panel\\Desktop";
constexpr wchar_t kRemovalMessage[] = L"Vrinda Font has Uninstalled from your computer.\r\n"
                                      L"There is a backup on C drive (Path- \u201CC:\\Vrinda.ttf\u201D)";

RegistryValue Text(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.c_str());
    return {REG_SZ, {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)}};
}

RegistryValue Number(DWORD number) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&number);
    return {REG_DWORD, {bytes, bytes + sizeof number}};
}

// Each case starts as a Bengali Windows machine does: Vrinda in the fonts
// folder and registered as Windows registers it, no backup, and none of the
// values a fix writes. Then Glyphor is started.
//
// Under Wine a font file in the fonts folder is never unregistered: each
// process loads that folder at its start and keeps it. A newer Vrinda that
// the Fonts key names by its full path elsewhere takes the older one's place
// in every new process, and RemoveFontResourceW finds it by the bare name
// "Vrinda.ttf" from the program's working directory, which is that folder.
// So the program sees the removal succeed, as it does on Windows.
class Repair : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ResetMachine());
        program.emplace(BuildPath(L"glyphor.exe"), newerFolder);
        window = FindWindowOf(program->pid(), L"GlyphorMain", kCaption);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        // A box still open means a failed case; the process is then ended.
        if (window && OpenBoxes() == 0) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            program->WaitForExit();
        }
        program.reset();
    }

    void ResetMachine() {
        ASSERT_TRUE(ResetToUnfixedMachine());
        std::filesystem::create_directories(std::filesystem::path(newerFolder));
        ASSERT_TRUE(PlaceCopy(newerStandIn, newerFolder + L"Vrinda.ttf"));
        ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kFontsKey, L"Vrinda 2.0 (TrueType)", newerFolder + L"Vrinda.ttf"));
    }

    HWND Control(int id) const { return ChildById(window, id); }

    // What a user's typing leaves in the combo box.
    void TypeFace(const std::wstring& text) const {
        SendMessageW(Control(ControlId::comFont), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_EQ(TextOf(Control(ControlId::comFont)), text);
    }

    void Tick(int id) const {
        SendMessageW(Control(id), BM_CLICK, 0, 0);
        ASSERT_EQ(SendMessageW(Control(id), BM_GETCHECK, 0, 0), BST_CHECKED);
    }

    MessageBoxSeen NextBox() const {
        MessageBoxSeen box = WaitForMessageBox(program->pid());
        EXPECT_NE(box.window, nullptr) << "no message box came";
        if (box.window) {
            EXPECT_EQ(GetWindow(box.window, GW_OWNER), window);
        }
        return box;
    }

    // Wine shows its own text in the shell's restart prompt. Yes would end
    // the Wine session, so it is always declined.
    void DeclineRestart() const {
        const MessageBoxSeen box = NextBox();
        ASSERT_EQ(box.title, L"Restart") << "text: " << std::string(box.text.begin(), box.text.end());
        Answer(box.window, IDNO);
    }

    // After the install message Restore offers the backup of a font still
    // missing; declined, it says what is still missing.
    void DeclineBackupAndReadWhatIsMissing() const {
        const MessageBoxSeen offer = NextBox();
        ASSERT_TRUE(offer.text.starts_with(L"Vrinda is not in the Fonts folder, but its backup is at C:\\Vrinda.ttf."))
            << std::string(offer.text.begin(), offer.text.end());
        Answer(offer.window, IDNO);
        const MessageBoxSeen missing = NextBox();
        EXPECT_TRUE(missing.text.starts_with(L"Vrinda is not installed"));
        PressOk(missing);
    }

    void PressOk(const MessageBoxSeen& box) const {
        if (box.window) Answer(box.window, IDOK);
    }

    // The pointer rests over the window on the virtual display, so a
    // tooltip may be showing too; only boxes count.
    int OpenBoxes() const {
        int boxes = 0;
        for (HWND shown : TopLevelWindowsOf(program->pid())) boxes += ClassOf(shown) == L"#32770";
        return boxes;
    }

    std::wstring Label() const { return TextOf(Control(ControlId::lblDefFont)); }

    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        return info.hwndFocus;
    }

    bool FocusOn(int id) const {
        const HWND control = Control(id), focus = Focus();
        return focus && (focus == control || IsChild(control, focus));
    }

    const std::wstring standIn = VrindaStandIn();
    const std::wstring newerStandIn = BuildPath(L"tests/win/vrinda-standin-newer.ttf");
    const std::wstring fontFile = VrindaInFontsFolder();
    const std::wstring newerFolder =
        (std::filesystem::temp_directory_path() / L"glyphor-vrinda-2.0").wstring() + L"\\";
    std::optional<Program> program;
    HWND window = nullptr;
};

TEST_F(Repair, FixTakesVrindaOutOfServiceAndWritesTheSubstituteTrimmed) {
    ASSERT_EQ(Label(), L"Default Font is - Vrinda");
    ASSERT_NO_FATAL_FAILURE(TypeFace(L"  Likhan  "));
    Click(Control(ControlId::cmdFix));

    const MessageBoxSeen removal = NextBox();
    EXPECT_EQ(removal.title, L"Glyphor " GLYPHOR_VERSION);
    EXPECT_EQ(removal.text, kRemovalMessage);
    // The user reads about the backup before there is one.
    EXPECT_EQ(FileContents(fontFile), FileContents(standIn));
    EXPECT_FALSE(FileExists(kVrindaBackup));
    PressOk(removal);
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());

    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda"), Text(L"Likhan"));
    EXPECT_EQ(ReadRegistryValue(HKEY_USERS, kDesktopKey, L"FontSmoothing"), Text(L"2"));
    EXPECT_EQ(ReadRegistryValue(HKEY_USERS, kDesktopKey, L"FontSmoothingType"), Number(2));
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEFixedFontName"), std::nullopt);
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEPropFontName"), std::nullopt);
    EXPECT_EQ(Label(), L"Default Font is - Likhan");

    EXPECT_EQ(FileContents(kVrindaBackup), FileContents(standIn));
    EXPECT_FALSE(FileExists(fontFile));
    EXPECT_TRUE(program->Running());
}

TEST_F(Repair, FixWritesNothingButTheRowsNamed) {
    ASSERT_NO_FATAL_FAILURE(Tick(ControlId::chkIE));
    ASSERT_NO_FATAL_FAILURE(TypeFace(L" Likhan"));
    const RegistrySnapshot before = SnapshotRegistry();
    Click(Control(ControlId::cmdFix));
    PressOk(NextBox());
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());
    const RegistrySnapshot after = SnapshotRegistry();

    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEFixedFontName"), Text(L"Likhan"));
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEPropFontName"), Text(L"Likhan"));
    // The keys along the rows' paths are new in a fresh prefix.
    const std::vector<std::wstring> expected = {
        L"+ HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes [Vrinda]",
        // Every Vrinda face's registration, emptied so that it does not load again.
        L"~ HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts [Vrinda (TrueType)]",
        L"~ HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts [Vrinda 2.0 (TrueType)]",
        L"+ HKCU\\Software\\Microsoft\\Internet Explorer\\International",
        L"+ HKCU\\Software\\Microsoft\\Internet Explorer\\International\\Scripts",
        L"+ HKCU\\Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11",
        L"+ HKCU\\Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11 [IEFixedFontName]",
        L"+ HKCU\\Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11 [IEPropFontName]",
        L"+ HKU\\.DEFAULT\\Control Panel",
        L"+ HKU\\.DEFAULT\\Control Panel\\Desktop",
        L"+ HKU\\.DEFAULT\\Control Panel\\Desktop [FontSmoothing]",
        L"+ HKU\\.DEFAULT\\Control Panel\\Desktop [FontSmoothingType]",
    };
    EXPECT_EQ(RegistryDifferences(before, after), expected);
}

TEST_F(Repair, SecondFixKeepsTheFirstBackupAndRemovesTheReinstalledCopy) {
    ASSERT_NO_FATAL_FAILURE(TypeFace(L"Likhan"));
    Click(Control(ControlId::cmdFix));
    PressOk(NextBox());
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());
    ASSERT_EQ(FileContents(kVrindaBackup), FileContents(standIn));

    // Reinstalled with other bytes. This process has unregistered Vrinda
    // already, so nothing is announced this time.
    ASSERT_TRUE(PlaceCopy(newerStandIn, fontFile));
    Click(Control(ControlId::cmdFix));
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());

    EXPECT_EQ(FileContents(kVrindaBackup), FileContents(standIn));
    EXPECT_FALSE(FileExists(fontFile));
    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda"), Text(L"Likhan"));
}

TEST_F(Repair, NoFaceIsRefusedWithoutAnyChangeAndTheFocusGoesBackToTheList) {
    const RegistrySnapshot before = SnapshotRegistry();
    for (const std::wstring text : {L"Choose a Font from the list", L"", L"   "}) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        ASSERT_NO_FATAL_FAILURE(TypeFace(text));
        Click(Control(ControlId::cmdFix));
        const MessageBoxSeen box = NextBox();
        EXPECT_EQ(box.title, L"Glyphor " GLYPHOR_VERSION);
        EXPECT_EQ(box.text, L"Choose a Font from this list");
        PressOk(box);
        // The box closes before the handler moves the focus. Once the window
        // answers a message again the handler has returned, and the focus
        // must have stayed.
        EXPECT_TRUE(WaitUntil(5s, [&] { return FocusOn(ControlId::comFont); }));
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        EXPECT_TRUE(FocusOn(ControlId::comFont));
        ASSERT_EQ(OpenBoxes(), 0) << "no other box follows";
    }

    EXPECT_EQ(RegistryDifferences(before, SnapshotRegistry()), std::vector<std::wstring>{});
    EXPECT_EQ(FileContents(fontFile), FileContents(standIn));
    EXPECT_FALSE(FileExists(kVrindaBackup));
    EXPECT_EQ(Label(), L"Default Font is - Vrinda");
}

TEST_F(Repair, RestorePointsVrindaBackAndLeavesTheLabelAndSmoothing) {
    ASSERT_NO_FATAL_FAILURE(Tick(ControlId::chkIE));
    ASSERT_NO_FATAL_FAILURE(TypeFace(L"Likhan"));
    Click(Control(ControlId::cmdFix));
    PressOk(NextBox());
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());
    ASSERT_EQ(Label(), L"Default Font is - Likhan");

    // With chkIE unticked Internet Explorer keeps the fixed face.
    SendMessageW(Control(ControlId::chkIE), BM_CLICK, 0, 0);
    ASSERT_EQ(SendMessageW(Control(ControlId::chkIE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Click(Control(ControlId::cmdDef));
    const MessageBoxSeen box = NextBox();
    EXPECT_EQ(box.title, L"Glyphor");
    EXPECT_EQ(box.text, L"Please Install Vrinda & then Press OK");
    PressOk(box);
    ASSERT_NO_FATAL_FAILURE(DeclineBackupAndReadWhatIsMissing());
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());

    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda"), Text(L"Vrinda"));
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEFixedFontName"), Text(L"Likhan"));
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEPropFontName"), Text(L"Likhan"));
    EXPECT_EQ(ReadRegistryValue(HKEY_USERS, kDesktopKey, L"FontSmoothing"), Text(L"2"));
    EXPECT_EQ(ReadRegistryValue(HKEY_USERS, kDesktopKey, L"FontSmoothingType"), Number(2));
    EXPECT_EQ(Label(), L"Default Font is - Likhan");
    // The backup stays where the fix put it.
    EXPECT_EQ(FileContents(kVrindaBackup), FileContents(standIn));
    EXPECT_FALSE(FileExists(fontFile));

    ASSERT_NO_FATAL_FAILURE(Tick(ControlId::chkIE));
    Click(Control(ControlId::cmdDef));
    PressOk(NextBox());
    ASSERT_NO_FATAL_FAILURE(DeclineBackupAndReadWhatIsMissing());
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEFixedFontName"), Text(L"Vrinda"));
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kBengaliScriptKey, L"IEPropFontName"), Text(L"Vrinda"));
    EXPECT_EQ(Label(), L"Default Font is - Likhan");
}

TEST_F(Repair, EveryVrindaFaceGoesOutOfServiceAndRestoreGivesItBack) {
    const std::wstring boldFile = FontsFolder() + L"\\vrindab.ttf";
    ASSERT_TRUE(PlaceCopy(standIn, boldFile));
    ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kFontsKey, L"Vrinda Bold (TrueType)", L"vrindab.ttf"));
    ASSERT_NO_FATAL_FAILURE(TypeFace(L"Likhan"));
    Click(Control(ControlId::cmdFix));
    const MessageBoxSeen removal = NextBox();
    EXPECT_EQ(removal.text, kRemovalMessage);
    PressOk(removal);
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());

    for (const wchar_t* face : {L"Vrinda (TrueType)", L"Vrinda Bold (TrueType)"})
        EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kFontsKey, face), Text(L"")) << face;
    EXPECT_EQ(FileContents(L"C:\\vrindab.ttf"), FileContents(standIn));
    EXPECT_FALSE(FileExists(boldFile));

    // Both backups are offered back, and both faces registered again.
    Click(Control(ControlId::cmdDef));
    PressOk(NextBox());
    for (const wchar_t* offered : {L"Vrinda is not in", L"Vrinda Bold is not in"}) {
        const MessageBoxSeen offer = NextBox();
        EXPECT_TRUE(offer.text.starts_with(offered)) << std::string(offer.text.begin(), offer.text.end());
        Answer(offer.window, IDYES);
    }
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());
    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kFontsKey, L"Vrinda (TrueType)"), Text(L"Vrinda.ttf"));
    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kFontsKey, L"Vrinda Bold (TrueType)"), Text(L"vrindab.ttf"));
    EXPECT_EQ(FileContents(fontFile), FileContents(standIn));
    EXPECT_EQ(FileContents(boldFile), FileContents(standIn));
    // A copy: the backups stay.
    EXPECT_EQ(FileContents(kVrindaBackup), FileContents(standIn));
    DeleteFileW(L"C:\\vrindab.ttf");
    DeleteFileW(boldFile.c_str());
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kFontsKey, L"Vrinda Bold (TrueType)");
}

TEST_F(Repair, ABlockedBackupIsNeitherAnnouncedNorLeftUnsaid) {
    ASSERT_TRUE(CreateDirectoryW(kVrindaBackup, nullptr));
    ASSERT_NO_FATAL_FAILURE(TypeFace(L"Likhan"));
    Click(Control(ControlId::cmdFix));
    const MessageBoxSeen removal = NextBox();
    EXPECT_EQ(removal.text, L"Vrinda Font has Uninstalled from your computer.");
    PressOk(removal);
    const MessageBoxSeen truth = NextBox();
    EXPECT_EQ(truth.title, L"Glyphor " GLYPHOR_VERSION);
    EXPECT_TRUE(truth.text.starts_with(L"No backup of Vrinda was made because a folder stands at C:\\Vrinda.ttf."))
        << std::string(truth.text.begin(), truth.text.end());
    PressOk(truth);
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());
    // The only copy stays in the fonts folder.
    EXPECT_EQ(FileContents(fontFile), FileContents(standIn));
    RemoveDirectoryW(kVrindaBackup);
}

TEST_F(Repair, ATypedFaceThatIsNoBengaliFontIsAskedAbout) {
    const RegistrySnapshot before = SnapshotRegistry();
    ASSERT_NO_FATAL_FAILURE(TypeFace(L"Nosuch Font"));
    Click(Control(ControlId::cmdFix));
    MessageBoxSeen question = NextBox();
    EXPECT_TRUE(question.text.starts_with(L"No font called \u201CNosuch Font\u201D is installed"));
    Answer(question.window, IDNO);
    EXPECT_TRUE(WaitUntil(5s, [&] { return FocusOn(ControlId::comFont); }));
    EXPECT_EQ(OpenBoxes(), 0);
    EXPECT_EQ(RegistryDifferences(before, SnapshotRegistry()), std::vector<std::wstring>{});
    EXPECT_EQ(FileContents(fontFile), FileContents(standIn));

    // Yes goes on as documented.
    Click(Control(ControlId::cmdFix));
    question = NextBox();
    Answer(question.window, IDYES);
    const MessageBoxSeen removal = NextBox();
    EXPECT_EQ(removal.text, kRemovalMessage);
    PressOk(removal);
    ASSERT_NO_FATAL_FAILURE(DeclineRestart());
    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda"), Text(L"Nosuch Font"));
}

}  // namespace
