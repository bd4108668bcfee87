#include "repair/fix_default_font.h"

#include <gtest/gtest.h>

#include "platform/registry_access.h"
#include "repair/substitute_settings.h"
#include "repair_fakes.h"

namespace {

using namespace SubstituteSettings;

const std::wstring kRefusal = L"Message [Glyphor 1.0.5] (error) Choose a Font from this list";

struct Fix : ::testing::Test {
    CallLog log;
    FakeMainWindow window{log};
    FakeRegistry registry{log};
    FakeFontFiles files{log};
    FakePrompts prompts{log};
    FakeRestartPrompt restart{log};

    Fix() {
        files.registered = {L"Vrinda.ttf"};
        files.files[kFakeFontFile] = L"vrinda";
    }

    void Run(std::wstring text) {
        window.fontChoice = std::move(text);
        FixDefaultFont(window, registry, files, prompts, restart);
    }

    std::wstring Text(const Row& row) {
        return mRegistry::ReadRegistryText(registry.memory, row.root, row.path, row.name);
    }
    const RegistryValue* Stored(const Row& row) { return registry.memory.Find(row.root, row.path, row.name); }

    // The log from the first registry write on, after the removal's steps.
    CallLog AfterRemoval() const {
        for (auto it = log.begin(); it != log.end(); ++it)
            if (it->starts_with(L"Set ")) return CallLog(it, log.end());
        return {};
    }
};

}  // namespace

TEST_F(Fix, RefusesThePlaceholderAndBlankTexts) {
    for (const wchar_t* text : {L"Choose a Font from the list", L"", L" ", L"    "}) {
        log.clear();
        Run(text);
        EXPECT_EQ(log, (CallLog{kRefusal, L"Focus comFont"})) << "text: [" << testing::PrintToString(text) << "]";
    }
    EXPECT_TRUE(registry.memory.writes.empty());
    EXPECT_EQ(files.files.count(kFakeFontFile), 1u);
    EXPECT_EQ(files.registered.size(), 1u);
}

TEST_F(Fix, AcceptsTextsThatOnlyResembleThePlaceholder) {
    Run(L"Choose a Font from the list ");
    EXPECT_EQ(Text(kSubstitute), L"Choose a Font from the list");
    EXPECT_EQ(log.back(), L"Restart Your default font has been changed to Choose a Font from the list .\r\n");

    Run(L"choose a font from the list");
    EXPECT_EQ(Text(kSubstitute), L"choose a font from the list");
}

TEST_F(Fix, RunsEveryStepInOrder) {
    window.internetExplorer = true;
    window.smoothing = true;
    Run(L"Likhan");
    EXPECT_EQ(log, (CallLog{
                       L"Unregister Vrinda.ttf",
                       L"BroadcastFontChange",
                       L"Message [Glyphor 1.0.5] (information) Vrinda Font has Uninstalled from your computer.\r\n"
                       L"There is a backup on C drive (Path- \u201CC:\\Vrinda.ttf\u201D)",
                       L"Move C:\\windows\\Fonts\\Vrinda.ttf -> C:\\Vrinda.ttf",
                       L"Delete C:\\windows\\Fonts\\Vrinda.ttf",
                       L"Set Vrinda",
                       L"Set IEFixedFontName",
                       L"Set IEPropFontName",
                       L"Set FontSmoothing",
                       L"Set FontSmoothingType",
                       L"Caption Default Font is - Likhan",
                       L"Restart Your default font has been changed to Likhan.\r\n",
                   }));
}

TEST_F(Fix, WritesTheRowsEachCheckBoxAsksFor) {
    struct Case {
        bool internetExplorer, smoothing;
        CallLog writes;
    };
    const Case cases[] = {
        {false, false, {L"Set Vrinda"}},
        {true, false, {L"Set Vrinda", L"Set IEFixedFontName", L"Set IEPropFontName"}},
        {false, true, {L"Set Vrinda", L"Set FontSmoothing", L"Set FontSmoothingType"}},
        {true, true,
         {L"Set Vrinda", L"Set IEFixedFontName", L"Set IEPropFontName", L"Set FontSmoothing",
          L"Set FontSmoothingType"}},
    };
    for (const Case& c : cases) {
        CallLog caseLog;
        FakeMainWindow caseWindow{caseLog};
        FakeRegistry caseRegistry{caseLog};
        FakeFontFiles caseFiles{caseLog};
        FakePrompts casePrompts{caseLog};
        FakeRestartPrompt caseRestart{caseLog};
        caseWindow.fontChoice = L"Likhan";
        caseWindow.internetExplorer = c.internetExplorer;
        caseWindow.smoothing = c.smoothing;
        FixDefaultFont(caseWindow, caseRegistry, caseFiles, casePrompts, caseRestart);

        CallLog writes;
        for (const auto& entry : caseLog)
            if (entry.starts_with(L"Set ")) writes.push_back(entry);
        EXPECT_EQ(writes, c.writes) << "IE " << c.internetExplorer << ", smoothing " << c.smoothing;
    }
}

TEST_F(Fix, StoresEachRowWhereAndAsWindowsReadsIt) {
    window.internetExplorer = true;
    window.smoothing = true;
    Run(L"Likhan");
    const auto& writes = registry.memory.writes;
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes[0].root, RegistryRoot::LocalMachine);
    EXPECT_EQ(writes[0].path, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes");
    for (int i : {1, 2}) {
        EXPECT_EQ(writes[i].root, RegistryRoot::CurrentUser);
        EXPECT_EQ(writes[i].path, L"Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11");
    }
    for (int i : {3, 4}) {
        EXPECT_EQ(writes[i].root, RegistryRoot::Users);
        EXPECT_EQ(writes[i].path, L".DEFAULT\\Control Panel\\Desktop");
    }
    EXPECT_EQ(Stored(kSubstitute)->type, RegistryType::String);
    EXPECT_EQ(Text(kSubstitute), L"Likhan");
    EXPECT_EQ(Text(kIEFixedFont), L"Likhan");
    EXPECT_EQ(Text(kIEPropFont), L"Likhan");
    EXPECT_EQ(*Stored(kFontSmoothing), (RegistryValue{RegistryType::String, {'2', 0, 0, 0}}));
    EXPECT_EQ(*Stored(kFontSmoothingType), (RegistryValue{RegistryType::Dword, {2, 0, 0, 0}}));
}

TEST_F(Fix, StoresTheTrimmedFaceButQuotesTheRawText) {
    window.internetExplorer = true;
    Run(L"  Mitra  ");
    EXPECT_EQ(Text(kSubstitute), L"Mitra");
    EXPECT_EQ(Text(kIEFixedFont), L"Mitra");
    EXPECT_EQ(Text(kIEPropFont), L"Mitra");
    EXPECT_EQ(window.caption, L"Default Font is - Mitra");
    EXPECT_EQ(log.back(), L"Restart Your default font has been changed to   Mitra  .\r\n");
}

TEST_F(Fix, LeavesUntickedRowsAsTheyWere) {
    registry.memory.Put(kFontSmoothing.root, kFontSmoothing.path, kFontSmoothing.name, {RegistryType::String, {'0', 0, 0, 0}});
    registry.memory.Put(kIEFixedFont.root, kIEFixedFont.path, kIEFixedFont.name, {RegistryType::String, {'A', 0, 0, 0}});
    Run(L"Likhan");
    EXPECT_EQ(Text(kFontSmoothing), L"0");
    EXPECT_EQ(Text(kIEFixedFont), L"A");
    EXPECT_EQ(Stored(kFontSmoothingType), nullptr);
}

TEST_F(Fix, RepeatsEveryStepWhenRunAgain) {
    Run(L"Likhan");
    log.clear();
    // The font was reinstalled in between; the first backup must survive.
    files.files[kFakeFontFile] = L"reinstalled";
    files.registered = {L"Vrinda.ttf"};
    Run(L"Jamrul");
    EXPECT_EQ(AfterRemoval(), (CallLog{L"Set Vrinda", L"Caption Default Font is - Jamrul",
                                       L"Restart Your default font has been changed to Jamrul.\r\n"}));
    EXPECT_EQ(log.front(), L"Unregister Vrinda.ttf");
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"vrinda"}}));

    // Nothing left to remove: no message, but the rows and the prompt come again.
    log.clear();
    Run(L"Likhan");
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"Unregister C:\\windows\\Fonts\\Vrinda.ttf",
                            L"Move C:\\windows\\Fonts\\Vrinda.ttf -> C:\\Vrinda.ttf",
                            L"Delete C:\\windows\\Fonts\\Vrinda.ttf", L"Set Vrinda", L"Caption Default Font is - Likhan",
                            L"Restart Your default font has been changed to Likhan.\r\n"}));
}

TEST_F(Fix, FailedSubstituteWriteIsReportedAndOffersNoRestart) {
    window.internetExplorer = true;
    window.smoothing = true;
    registry.refused = {L"Vrinda"};
    Run(L" Likhan");
    EXPECT_EQ(AfterRemoval(),
              (CallLog{L"Set Vrinda",
                       L"Message [Glyphor 1.0.5] (error) The default font could not be changed to Likhan.\r\n"
                       L"Windows did not let Glyphor save the font substitution in the registry."}));
    EXPECT_EQ(window.caption, L"Default Font is - Vrinda");
}

TEST_F(Fix, OtherFailedWritesStaySilent) {
    window.internetExplorer = true;
    registry.refused = {L"IEFixedFontName", L"IEPropFontName"};
    Run(L"Likhan");
    EXPECT_EQ(AfterRemoval(), (CallLog{L"Set Vrinda", L"Set IEFixedFontName", L"Set IEPropFontName",
                                       L"Caption Default Font is - Likhan",
                                       L"Restart Your default font has been changed to Likhan.\r\n"}));
}
