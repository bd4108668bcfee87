#include "repair/restore_default_font.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "platform/registry_access.h"
#include "repair/fix_default_font.h"
#include "repair/substitute_settings.h"
#include "repair_fakes.h"

namespace {

using namespace SubstituteSettings;

const std::wstring kInstallMessage = L"Message [Glyphor] (information) Please Install Vrinda & then Press OK";
const std::wstring kRestart = L"Restart Your default font has been changed to Vrinda.\r\n";

struct Restore : ::testing::Test {
    CallLog log;
    FakeMainWindow window{log};
    FakeRegistry registry{log};
    FakePrompts prompts{log};
    FakeRestartPrompt restart{log};

    void Run() { RestoreDefaultFont(window, registry, prompts, restart); }

    // A fix of everything to Likhan, with its log dropped.
    void FixFirst() {
        FakeFontFiles files{log};
        window.fontChoice = L"Likhan";
        window.internetExplorer = true;
        window.smoothing = true;
        FixDefaultFont(window, registry, files, prompts, restart);
        log.clear();
        registry.memory.writes.clear();
    }

    std::wstring Text(const Row& row) {
        return mRegistry::ReadRegistryText(registry.memory, row.root, row.path, row.name);
    }
};

}  // namespace

TEST_F(Restore, WithoutAFixStillWritesTheSubstituteAndPrompts) {
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda", kInstallMessage, kRestart}));
    EXPECT_EQ(Text(kSubstitute), L"Vrinda");
    EXPECT_EQ(registry.memory.writes[0].value.type, RegistryType::String);
}

TEST_F(Restore, UntickedInternetExplorerKeepsTheFixedFace) {
    FixFirst();
    window.internetExplorer = false;
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda", kInstallMessage, kRestart}));
    EXPECT_EQ(Text(kSubstitute), L"Vrinda");
    EXPECT_EQ(Text(kIEFixedFont), L"Likhan");
    EXPECT_EQ(Text(kIEPropFont), L"Likhan");
}

TEST_F(Restore, TickedInternetExplorerGoesBackToVrindaButSmoothingStays) {
    FixFirst();
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda", L"Set IEFixedFontName", L"Set IEPropFontName", kInstallMessage, kRestart}));
    EXPECT_EQ(Text(kIEFixedFont), L"Vrinda");
    EXPECT_EQ(Text(kIEPropFont), L"Vrinda");
    EXPECT_EQ(registry.memory.writes[1].root, RegistryRoot::CurrentUser);
    EXPECT_EQ(Text(kFontSmoothing), L"2");
    EXPECT_NE(registry.memory.Find(kFontSmoothingType.root, kFontSmoothingType.path, kFontSmoothingType.name), nullptr);
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
    registry.refused = {L"Vrinda"};
    Run();
    EXPECT_EQ(log, (CallLog{L"Set Vrinda",
                            L"Message [Glyphor 1.0.5] (error) The default font could not be changed back to Vrinda.\r\n"
                            L"Windows did not let Glyphor save the font substitution in the registry."}));
}
