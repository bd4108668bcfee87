#include "repair/restore_default_font.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "repair/fix_default_font.h"
#include "repair/render_plan.h"
#include "repair/run_repair.h"
#include "repair_fakes.h"

namespace {

using namespace SubstituteSettings;

const std::wstring kInstallMessage = L"Message [Glyphor] (information) Please Install Vrinda & then Press OK";
const std::wstring kRestart = L"Restart Your default font has been changed to Vrinda.\r\n";
const std::wstring kOffer =
    L"Ask [Glyphor " GLYPHOR_VERSION L"] Vrinda is not in the Fonts folder, but its backup is at C:\\Vrinda.ttf.\r\n\r\n"
    L"Copy the backup back and install it? The backup stays where it is.";

struct Restore : ::testing::Test, RepairRig {
    Restore() {
        InstallVrinda();
    }

    void Run() { RestoreDefaultFont(window, Services()); }

    // A fix of everything to Likhan, with its log dropped.
    void FixFirst() {
        window.fontChoice = L"Likhan";
        window.internetExplorer = true;
        window.smoothing = true;
        FixDefaultFont(window, Services());
        log.clear();
        registry.writes.clear();
    }
};

}  // namespace

TEST_F(Restore, WithoutAFixStillWritesTheSubstituteAndPrompts) {
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda", kInstallMessage, kRestart}));
    EXPECT_EQ(Text(kSubstitute), L"Vrinda");
    EXPECT_EQ(registry.writes[0].value.type, RegistryType::String);
}

TEST_F(Restore, UntickedInternetExplorerKeepsTheFixedFace) {
    FixFirst();
    window.internetExplorer = false;
    prompts.answers = {false};
    Run();
    EXPECT_EQ(CallLog(log.begin(), log.begin() + 3), (CallLog{L"Set Vrinda", kInstallMessage, kOffer + L" -> No"}));
    EXPECT_EQ(Text(kSubstitute), L"Vrinda");
    EXPECT_EQ(Text(kIEFixedFont), L"Likhan");
    EXPECT_EQ(Text(kIEPropFont), L"Likhan");
}

TEST_F(Restore, TickedInternetExplorerGoesBackToVrindaButSmoothingStays) {
    FixFirst();
    files.files[kFakeFontFile] = L"reinstalled";
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda (TrueType)", L"Register C:\\windows\\Fonts\\Vrinda.ttf", L"Set Vrinda",
                            L"Set IEFixedFontName", L"Set IEPropFontName", kInstallMessage, kRestart}));
    EXPECT_EQ(Text(kIEFixedFont), L"Vrinda");
    EXPECT_EQ(Text(kIEPropFont), L"Vrinda");
    EXPECT_EQ(registry.writes[2].root, RegistryRoot::CurrentUser);
    EXPECT_EQ(Text(kFontSmoothing), L"2");
    EXPECT_NE(Stored(kFontSmoothingType), nullptr);
}

TEST_F(Restore, GivesBackWhatTheFixTookWhereTheFileStayedAndNeverOverwrites) {
    Register(L"Vrinda Bold (TrueType)", L"vrindab.ttf");
    files.files[L"C:\\windows\\Fonts\\vrindab.ttf"] = L"bold";
    files.protectedFiles = {kFakeFontFile, L"C:\\windows\\Fonts\\vrindab.ttf"};
    FixFirst();
    ASSERT_EQ(*Registration(L"Vrinda Bold (TrueType)"), mRegistry::TextValue(L""));

    Run();
    EXPECT_EQ(*Registration(L"Vrinda (TrueType)"), mRegistry::TextValue(L"Vrinda.ttf"));
    EXPECT_EQ(*Registration(L"Vrinda Bold (TrueType)"), mRegistry::TextValue(L"vrindab.ttf"));
    EXPECT_EQ(files.registered, (std::set<std::wstring>{kFakeFontFile, L"C:\\windows\\Fonts\\vrindab.ttf"}));
    // Both files stayed, so nothing is offered or copied.
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const auto& e) { return e.starts_with(L"Ask") || e.starts_with(L"Copy"); }), 0);
    EXPECT_EQ(log.back(), kRestart);
}

TEST_F(Restore, OffersTheBackupAfterTheInstallMessageAndCopiesItOnYes) {
    FixFirst();
    ASSERT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"vrinda"}}));
    prompts.answers = {true};
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda", L"Set IEFixedFontName", L"Set IEPropFontName", kInstallMessage,
                            kOffer + L" -> Yes", L"Copy C:\\Vrinda.ttf -> C:\\windows\\Fonts\\Vrinda.ttf",
                            L"Set Vrinda (TrueType)", L"Register C:\\windows\\Fonts\\Vrinda.ttf",
                            L"BroadcastFontChange", kRestart}));
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"vrinda"}, {kFakeFontFile, L"vrinda"}}));
    EXPECT_EQ(*Registration(L"Vrinda (TrueType)"), mRegistry::TextValue(L"Vrinda.ttf"));
}

// Vrinda is offered and taken; Vrinda Bold's file is back in the fonts folder
// already, so its registration is given back once and it is not asked about.
TEST_F(Restore, EachFacesCopyBackWaitsForItsOwnYes) {
    const std::wstring boldFile = L"C:\\windows\\Fonts\\vrindab.ttf";
    Register(L"Vrinda Bold (TrueType)", L"vrindab.ttf");
    files.files[boldFile] = L"bold";
    FixFirst();
    ASSERT_EQ(files.files.count(L"C:\\vrindab.ttf"), 1u);
    files.files[boldFile] = L"bold reinstalled";
    prompts.answers = {true};
    Run();
    const auto count = [&](const std::wstring& entry) { return std::count(log.begin(), log.end(), entry); };
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const auto& e) { return e.starts_with(L"Ask"); }), 1);
    EXPECT_EQ(count(kOffer + L" -> Yes"), 1);
    EXPECT_EQ(count(L"Set Vrinda Bold (TrueType)"), 1);
    EXPECT_EQ(count(L"Register " + boldFile), 1);
    EXPECT_EQ(count(L"Register C:\\windows\\Fonts\\Vrinda.ttf"), 1);
    EXPECT_EQ(files.files[boldFile], L"bold reinstalled");
    EXPECT_EQ(*Registration(L"Vrinda Bold (TrueType)"), mRegistry::TextValue(L"vrindab.ttf"));
}

TEST_F(Restore, SaysWhatIsStillMissingWhenTheBackupIsDeclined) {
    FixFirst();
    Run();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.end()[-2], L"Message [Glyphor " GLYPHOR_VERSION L"] (warning) Vrinda is not installed: its file Vrinda.ttf is not "
                             L"in the Fonts folder, so Windows draws Bengali with another font until it is installed "
                             L"again. Its backup is at C:\\Vrinda.ttf.");
    EXPECT_EQ(files.files.count(kFakeFontFile), 0u);
}

TEST_F(Restore, AFileInstalledMeanwhileIsNeitherAskedAboutNorOverwritten) {
    FixFirst();
    // The user installs Vrinda while the install message is open.
    struct InstallingPrompts : Prompts {
        FakePrompts& inner;
        FakeFontFiles& files;
        InstallingPrompts(FakePrompts& p, FakeFontFiles& f) : inner(p), files(f) {}
        void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) override {
            inner.ShowMessage(text, title, icon);
            files.files[kFakeFontFile] = L"installed by the user";
        }
        bool AskYesNo(std::wstring_view text, std::wstring_view title) override { return inner.AskYesNo(text, title); }
    } installing(prompts, files);
    RestoreDefaultFont(window, {registry, files, fonts, installing, restart, version, profiles, {user}});
    EXPECT_EQ(files.files[kFakeFontFile], L"installed by the user");
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const auto& e) { return e.starts_with(L"Ask"); }), 0);
}

TEST_F(Restore, LeavesTheLabelAlone) {
    FixFirst();
    Run();
    Run();
    EXPECT_EQ(window.caption, L"Default Font is - Likhan");
    EXPECT_EQ(std::count(log.begin(), log.end(), kRestart), 2);
}

TEST_F(Restore, FailedSubstituteWriteIsReportedAndOffersNoRestart) {
    window.internetExplorer = true;
    registry.Refuse(L"Vrinda");
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda",
                            L"Message [Glyphor " GLYPHOR_VERSION L"] (error) The default font could not be changed back to Vrinda.\r\n"
                            L"Windows did not let Glyphor save the font substitution in the registry."}));
}

// Whether the fix emptied a registration that cannot be read is not known,
// so it is not given back: that is refused and named first, the rest goes
// ahead, and the dry run says the same.
TEST_F(Restore, RefusesToGiveBackARegistrationItCannotRead) {
    files.protectedFiles = {kFakeFontFile};
    FixFirst();
    registry.RefuseReads(L"Vrinda (TrueType)");
    const std::wstring path = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts [Vrinda (TrueType)]";
    const std::wstring refusal =
        path + L" could not be read, so Glyphor left it and what depends on it alone: it did not set " + path + L".";
    const std::wstring box = L"Message [Glyphor " GLYPHOR_VERSION L"] (error) " + refusal;

    const RepairRun dry = RunRestore(Services(), {true}, {asking, {}, false});
    EXPECT_EQ(log, CallLog{box});
    const std::wstring shown = RenderPlan(dry.steps);
    EXPECT_NE(shown.find(L"5.00\r\n\r\n; " + refusal + L"\r\n"), std::wstring::npos) << testing::PrintToString(shown);
    EXPECT_EQ(shown.find(L"\"Vrinda (TrueType)\"="), std::wstring::npos) << testing::PrintToString(shown);

    log.clear();
    Run();
    EXPECT_EQ(log, (CallLog{box, L"Set Vrinda", L"Set IEFixedFontName", L"Set IEPropFontName", kInstallMessage, kRestart}));
    EXPECT_EQ(*Registration(L"Vrinda (TrueType)"), mRegistry::TextValue(L""));
}
