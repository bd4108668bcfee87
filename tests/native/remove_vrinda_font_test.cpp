#include "repair/remove_vrinda_font.h"

#include <gtest/gtest.h>

#include "repair/apply_plan.h"
#include "repair_fakes.h"

namespace {

const std::wstring kRemovalMessage =
    L"Message [Glyphor " GLYPHOR_VERSION L"] (information) Vrinda Font has Uninstalled from your computer.\r\n"
    L"There is a backup on C drive (Path- \u201CC:\\Vrinda.ttf\u201D)";
const std::wstring kMove = L"Move C:\\windows\\Fonts\\Vrinda.ttf -> C:\\Vrinda.ttf";
const std::wstring kDelete = L"Delete C:\\windows\\Fonts\\Vrinda.ttf";

// The removal alone, with Vrinda unknown to the Fonts key, as on a system
// that registers it elsewhere.
struct Removal : ::testing::Test, RepairRig {
    void Run() { ApplyPlan(RemoveVrindaFont(FindVrindaFaces(registry, files)), Targets()); }
};

}  // namespace

TEST_F(Removal, RegisteredFontIsAnnouncedThenMovedToTheBackup) {
    files.registered = {L"Vrinda.ttf"};
    files.files[kFakeFontFile] = L"vrinda";
    Run();
    // The user has closed the message before anything is moved; the delete comes last.
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"BroadcastFontChange", kRemovalMessage, kMove, kDelete}));
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"vrinda"}}));
}

TEST_F(Removal, FontRegisteredByItsFolderPathIsUnregisteredByThatPath) {
    files.registered = {kFakeFontFile};
    files.files[kFakeFontFile] = L"vrinda";
    Run();
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"Unregister C:\\windows\\Fonts\\Vrinda.ttf",
                            L"BroadcastFontChange", kRemovalMessage, kMove, kDelete}));
    EXPECT_TRUE(files.registered.empty());
}

TEST_F(Removal, UnregisteredFontIsStillMovedWithoutAWord) {
    files.files[kFakeFontFile] = L"vrinda";
    Run();
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"Unregister C:\\windows\\Fonts\\Vrinda.ttf", kMove, kDelete}));
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"vrinda"}}));
}

TEST_F(Removal, EarlierBackupStaysAndTheFontsFolderCopyGoes) {
    files.registered = {L"Vrinda.ttf"};
    files.files[kFakeFontFile] = L"reinstalled";
    files.files[L"C:\\Vrinda.ttf"] = L"first backup";
    Run();
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"BroadcastFontChange", kRemovalMessage, kMove, kDelete}));
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"first backup"}}));
}

TEST_F(Removal, OnlyCopyIsKeptWhenTheMoveFails) {
    files.registered = {L"Vrinda.ttf"};
    files.files[kFakeFontFile] = L"vrinda";
    files.refuseMove = true;
    Run();
    // The message has already promised the backup, but the font is not lost.
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"BroadcastFontChange", kRemovalMessage, kMove}));
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{kFakeFontFile, L"vrinda"}}));
}

TEST_F(Removal, MissingFontFileIsPassedOver) {
    Run();
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"Unregister C:\\windows\\Fonts\\Vrinda.ttf", kMove}));
    EXPECT_TRUE(files.files.empty());

    // With a backup from an earlier run, the delete is tried and fails quietly.
    log.clear();
    files.files[L"C:\\Vrinda.ttf"] = L"first backup";
    Run();
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"Unregister C:\\windows\\Fonts\\Vrinda.ttf", kMove, kDelete}));
    EXPECT_EQ(files.files.size(), 1u);
}

TEST_F(Removal, RefusedDeleteIsPassedOver) {
    files.files[kFakeFontFile] = L"reinstalled";
    files.files[L"C:\\Vrinda.ttf"] = L"first backup";
    files.refuseDelete = true;
    Run();
    EXPECT_EQ(log.back(), kDelete);
    EXPECT_EQ(files.files.size(), 2u);
}

TEST_F(Removal, UnknownFontsFolderTouchesNoFile) {
    // A bare "Vrinda.ttf" would otherwise name a file in the current directory.
    files.fontsFolder.clear();
    files.registered = {L"Vrinda.ttf"};
    files.files[L"Vrinda.ttf"] = L"somebody's file";
    Run();
    // Nothing is moved, so no backup is announced.
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"BroadcastFontChange",
                            L"Message [Glyphor " GLYPHOR_VERSION L"] (information) Vrinda Font has Uninstalled from your computer."}));
    EXPECT_EQ(files.files.size(), 1u);
}
