#include "repair/fix_default_font.h"

#include <gtest/gtest.h>

#include <functional>

#include "repair/render_plan.h"
#include "repair/run_repair.h"
#include "repair_fakes.h"

namespace {

using namespace SubstituteSettings;

const std::wstring kWarning = L"Message [Glyphor " GLYPHOR_VERSION L"] (warning) ";
const std::wstring kRefusal = L"Message [Glyphor " GLYPHOR_VERSION L"] (error) Choose a Font from this list";
const std::wstring kAnnouncement =
    L"Message [Glyphor " GLYPHOR_VERSION L"] (information) Vrinda Font has Uninstalled from your computer.\r\n"
    L"There is a backup on C drive (Path- \u201CC:\\Vrinda.ttf\u201D)";
const std::wstring kBareAnnouncement =
    L"Message [Glyphor " GLYPHOR_VERSION L"] (information) Vrinda Font has Uninstalled from your computer.";
const std::wstring kFontsBoldFile = L"C:\\windows\\Fonts\\vrindab.ttf";

struct FixRig : RepairRig {
    FixRig() {
        InstallVrinda();
        fonts.families[L"Jamrul"] = fonts.families[L"Likhan"];
        fonts.families[L"Mitra"] = fonts.families[L"Likhan"];
    }

    void Press(std::wstring text) {
        window.fontChoice = std::move(text);
        FixDefaultFont(window, Services());
    }

    // The one extra box, or empty when the fix went as announced.
    std::wstring Warning() const {
        for (const auto& entry : log)
            if (entry.starts_with(kWarning)) return entry.substr(kWarning.size());
        return {};
    }
};

struct Fix : ::testing::Test, FixRig {};

}  // namespace

TEST_F(Fix, RefusesThePlaceholderBlankOverlongAndControlTexts) {
    const std::wstring control = L"(error) The name typed holds a line break, a tab or another control character";
    // Installed under that name, so only the rule on control characters can refuse it.
    fonts.families[L"Likhan\nB"] = fonts.families[L"Likhan"];
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Choose a Font from the list", L"(error) Choose a Font from this list"},
        {L"", L"(error) Choose a Font from this list"},
        {L"    ", L"(error) Choose a Font from this list"},
        {L" " + std::wstring(32, L'x'), L"(error) \u201Cxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u201D is no font's"},
        {L"Likhan\nB", control},
        {L"a\n[HKLM\\X]", control},
        {L"Lik\than", control},
        {std::wstring(L"Likhan\0", 7), control},
    };
    for (const auto& [text, message] : cases) {
        log.clear();
        Press(text);
        ASSERT_EQ(log.size(), 2u) << "text: [" << testing::PrintToString(text) << "]";
        EXPECT_TRUE(log[0].starts_with(L"Message [Glyphor " GLYPHOR_VERSION L"] " + message)) << testing::PrintToString(log[0]);
        EXPECT_TRUE(log[0].ends_with(L"Choose a Font from this list"));
        EXPECT_EQ(log[1], L"Focus comFont");
    }
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(files.files.count(kFakeFontFile), 1u);
    EXPECT_EQ(files.registered.size(), 1u);
}

TEST_F(Fix, AsksAboutAFaceThatIsNotABengaliFontAndChangesNothingOnNo) {
    fonts.families[L"Arial"] = {{0x20, 95}};
    fonts.families[L"Vowels"] = {{0x0985, 1}};
    fonts.families[L"Most"] = {{0x0985, 0x30}};
    struct Case {
        std::wstring face;
        std::wstring question;
    };
    const Case cases[] = {
        {L"Likhann", L"No font called \u201CLikhann\u201D is installed"},
        {L"Arial", L"\u201CArial\u201D has no Bengali letters (\u0985, \u0995 and \u09B9 are missing)"},
        {L"Vowels", L"\u201CVowels\u201D has no Bengali letters (\u0995 and \u09B9 are missing)"},
        {L"Most", L"\u201CMost\u201D has no Bengali letters (\u09B9 is missing)"},
        {std::wstring(31, L'y'), L"No font called \u201C" + std::wstring(31, L'y') + L"\u201D is installed"},
    };
    for (const Case& c : cases) {
        log.clear();
        Press(c.face);
        ASSERT_EQ(log.size(), 2u) << testing::PrintToString(c.face);
        EXPECT_TRUE(log[0].starts_with(L"Ask [Glyphor " GLYPHOR_VERSION L"] " + c.question)) << testing::PrintToString(log[0]);
        EXPECT_TRUE(log[0].ends_with(L"Make it the default Bengali font all the same? -> No"));
        EXPECT_EQ(log[1], L"Focus comFont");
    }
    EXPECT_TRUE(registry.writes.empty());

    prompts.answers = {true};
    log.clear();
    Press(L"Arial");
    EXPECT_EQ(Text(kSubstitute), L"Arial");
    EXPECT_EQ(log.back(), L"Restart Your default font has been changed to Arial.\r\n");
}

TEST_F(Fix, AcceptsTextsThatOnlyResembleThePlaceholder) {
    prompts.answers = {true, true};
    Press(L"Choose a Font from the list ");
    EXPECT_EQ(Text(kSubstitute), L"Choose a Font from the list");
    EXPECT_EQ(log.back(), L"Restart Your default font has been changed to Choose a Font from the list .\r\n");

    Press(L"choose a font from the list");
    EXPECT_EQ(Text(kSubstitute), L"choose a font from the list");
}

TEST_F(Fix, RunsEveryStepInOrderAndSaysNothingMoreWhenAllWent) {
    window.internetExplorer = true;
    window.smoothing = true;
    Press(L"Likhan");
    EXPECT_EQ(log, (CallLog{
                       L"Unregister Vrinda.ttf",
                       L"BroadcastFontChange",
                       kAnnouncement,
                       L"Move C:\\windows\\Fonts\\Vrinda.ttf -> C:\\Vrinda.ttf",
                       L"Delete C:\\windows\\Fonts\\Vrinda.ttf",
                       L"Set Vrinda (TrueType)",
                       L"Set Vrinda",
                       L"Set IEFixedFontName",
                       L"Set IEPropFontName",
                       L"Set FontSmoothing",
                       L"Set FontSmoothingType",
                       L"Caption Default Font is - Likhan",
                       L"Restart Your default font has been changed to Likhan.\r\n",
                   }));
    EXPECT_EQ(*Registration(L"Vrinda (TrueType)"), mRegistry::TextValue(L""));
}

TEST_F(Fix, TakesEveryVrindaFaceOutOfServiceAndAnnouncesOnce) {
    Register(L"Vrinda Bold (TrueType)", L"vrindab.ttf");
    Register(L"Vrindavan (TrueType)", L"vrindavan.ttf");
    // A name no .reg file could give back is no face's.
    Register(L"Vrinda \xD800 (TrueType)", L"odd.ttf");
    files.registered.insert(L"vrindab.ttf");
    files.files[kFontsBoldFile] = L"vrinda bold";
    Press(L"Likhan");
    EXPECT_EQ(log, (CallLog{
                       L"Unregister Vrinda.ttf",
                       L"Unregister vrindab.ttf",
                       L"BroadcastFontChange",
                       kAnnouncement,
                       L"Move C:\\windows\\Fonts\\Vrinda.ttf -> C:\\Vrinda.ttf",
                       L"Delete C:\\windows\\Fonts\\Vrinda.ttf",
                       L"Move C:\\windows\\Fonts\\vrindab.ttf -> C:\\vrindab.ttf",
                       L"Delete C:\\windows\\Fonts\\vrindab.ttf",
                       L"Set Vrinda (TrueType)",
                       L"Set Vrinda Bold (TrueType)",
                       L"Set Vrinda",
                       L"Caption Default Font is - Likhan",
                       L"Restart Your default font has been changed to Likhan.\r\n",
                   }));
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"vrinda"},
                                                                 {L"C:\\vrindab.ttf", L"vrinda bold"}}));
    EXPECT_EQ(*Registration(L"Vrindavan (TrueType)"), mRegistry::TextValue(L"vrindavan.ttf"));
    EXPECT_EQ(*Registration(L"Vrinda \xD800 (TrueType)"), mRegistry::TextValue(L"odd.ttf"));
}

TEST_F(Fix, SaysOnceWhatWentOtherwiseThanAnnounced) {
    struct Case {
        const char* name;
        std::function<void(FixRig&)> arrange;
        std::wstring announcement;  // empty: none
        std::wstring warning;       // how the extra box begins
    };
    const Case cases[] = {
        {"protected files stay but are unregistered",
         [](FixRig& f) { f.files.protectedFiles = {kFakeFontFile}; }, kBareAnnouncement,
         L"Windows protects Vrinda's files, so they stay in the Fonts folder; Glyphor unregistered them instead, and "
         L"they will not load from the next start."},
        {"a folder blocks the backup path",
         [](FixRig& f) { f.files.folders = {L"C:\\Vrinda.ttf"}; }, kBareAnnouncement,
         L"No backup of Vrinda was made because a folder stands at C:\\Vrinda.ttf. Its file stays in the Fonts folder."},
        {"registered while its file is gone",
         [](FixRig& f) { f.files.files.clear(); }, kBareAnnouncement,
         L"No backup of Vrinda was made because its file C:\\windows\\Fonts\\Vrinda.ttf was not in the Fonts folder."},
        {"the registration cannot be emptied",
         [](FixRig& f) { f.registry.Refuse(L"Vrinda (TrueType)"); }, kAnnouncement,
         L"Vrinda is still registered in Windows, so it loads again at the next start"},
        {"the move is refused",
         [](FixRig& f) { f.files.refuseMove = true; }, kAnnouncement,
         L"Vrinda's file C:\\windows\\Fonts\\Vrinda.ttf could not be moved out of the Fonts folder"},
        {"Vrinda is not installed at all",
         [](FixRig& f) {
             f.files.files.clear();
             f.files.registered.clear();
             f.registry.Delete(RegistryRoot::LocalMachine, kFontsPath, L"Vrinda (TrueType)");
             f.log.clear();
         },
         L"", L"Vrinda is not installed on this computer, so there was nothing to take out of service."},
    };
    for (const Case& c : cases) {
        FixRig fix;
        c.arrange(fix);
        fix.Press(L"Likhan");
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::count(fix.log.begin(), fix.log.end(), c.announcement), c.announcement.empty() ? 0 : 1);
        EXPECT_TRUE(fix.Warning().starts_with(c.warning)) << testing::PrintToString(fix.Warning());
        // The box comes once, last before the restart prompt.
        EXPECT_TRUE(fix.log.end()[-2].starts_with(kWarning));
        EXPECT_EQ(fix.log.back(), L"Restart Your default font has been changed to Likhan.\r\n");
        EXPECT_EQ(fix.Text(kSubstitute), L"Likhan");
    }
}

TEST_F(Fix, StoresEachRowWhereAndAsWindowsReadsIt) {
    window.internetExplorer = true;
    window.smoothing = true;
    Press(L"Likhan");
    ASSERT_EQ(registry.writes.size(), 6u);
    const auto& writes = registry.writes;
    EXPECT_EQ(writes[0].path, kFontsPath);
    EXPECT_EQ(writes[1].root, RegistryRoot::LocalMachine);
    EXPECT_EQ(writes[1].path, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes");
    for (int i : {2, 3}) {
        EXPECT_EQ(writes[i].root, RegistryRoot::CurrentUser);
        EXPECT_EQ(writes[i].path, L"Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11");
    }
    for (int i : {4, 5}) {
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
    Press(L"  Mitra  ");
    EXPECT_EQ(Text(kSubstitute), L"Mitra");
    EXPECT_EQ(Text(kIEFixedFont), L"Mitra");
    EXPECT_EQ(Text(kIEPropFont), L"Mitra");
    EXPECT_EQ(window.caption, L"Default Font is - Mitra");
    EXPECT_EQ(log.back(), L"Restart Your default font has been changed to   Mitra  .\r\n");
}

TEST_F(Fix, LeavesUntickedRowsAsTheyWere) {
    registry.Put(kFontSmoothing.root, kFontSmoothing.path, kFontSmoothing.name, {RegistryType::String, {'0', 0, 0, 0}});
    registry.Put(kIEFixedFont.root, kIEFixedFont.path, kIEFixedFont.name, {RegistryType::String, {'A', 0, 0, 0}});
    Press(L"Likhan");
    EXPECT_EQ(Text(kFontSmoothing), L"0");
    EXPECT_EQ(Text(kIEFixedFont), L"A");
    EXPECT_EQ(Stored(kFontSmoothingType), nullptr);
}

TEST_F(Fix, RepeatsEveryStepWhenRunAgain) {
    Press(L"Likhan");
    log.clear();
    // The font was reinstalled in between; the first backup must survive.
    files.files[kFakeFontFile] = L"reinstalled";
    files.registered = {L"Vrinda.ttf"};
    Register(L"Vrinda (TrueType)", L"Vrinda.ttf");
    Press(L"Jamrul");
    EXPECT_EQ(FromFirstWrite(), (CallLog{L"Set Vrinda (TrueType)", L"Set Vrinda", L"Caption Default Font is - Jamrul",
                                         L"Restart Your default font has been changed to Jamrul.\r\n"}));
    EXPECT_EQ(log.front(), L"Unregister Vrinda.ttf");
    EXPECT_EQ(files.files, (std::map<std::wstring, std::wstring>{{L"C:\\Vrinda.ttf", L"vrinda"}}));

    // Nothing left to remove: no message, the emptied registration stays
    // empty, and the substitute and the prompt come again.
    log.clear();
    Press(L"Likhan");
    EXPECT_EQ(log, (CallLog{L"Unregister Vrinda.ttf", L"Unregister C:\\windows\\Fonts\\Vrinda.ttf",
                            L"Move C:\\windows\\Fonts\\Vrinda.ttf -> C:\\Vrinda.ttf",
                            L"Delete C:\\windows\\Fonts\\Vrinda.ttf", L"Set Vrinda", L"Caption Default Font is - Likhan",
                            L"Restart Your default font has been changed to Likhan.\r\n"}));
}

TEST_F(Fix, FailedSubstituteWriteIsReportedAndOffersNoRestart) {
    window.internetExplorer = true;
    window.smoothing = true;
    registry.Refuse(L"Vrinda");
    Press(L" Likhan");
    EXPECT_EQ(FromFirstWrite(),
              (CallLog{L"Set Vrinda (TrueType)", L"Set Vrinda",
                       L"Message [Glyphor " GLYPHOR_VERSION L"] (error) The default font could not be changed to Likhan.\r\n"
                       L"Windows did not let Glyphor save the font substitution in the registry."}));
    EXPECT_EQ(window.caption, L"Default Font is - Vrinda");
}

TEST_F(Fix, OtherFailedWritesStaySilent) {
    window.internetExplorer = true;
    registry.Refuse(L"IEFixedFontName");
    registry.Refuse(L"IEPropFontName");
    Press(L"Likhan");
    EXPECT_EQ(FromFirstWrite(), (CallLog{L"Set Vrinda (TrueType)", L"Set Vrinda", L"Set IEFixedFontName",
                                         L"Set IEPropFontName", L"Caption Default Font is - Likhan",
                                         L"Restart Your default font has been changed to Likhan.\r\n"}));
}

TEST_F(Fix, SaysARestartIsNeededWhenWindowsCannotOfferOne) {
    restart.available = false;
    Press(L"Likhan");
    EXPECT_EQ(log.back(), L"Message [Glyphor " GLYPHOR_VERSION L"] (information) Windows could not show its restart prompt. "
                          L"Restart Windows yourself to apply the change.");
}

// A value that may exist but cannot be read is not taken for a missing one:
// what would change it, or is worked out from it, is refused and named
// before anything is done, the rest goes ahead, and the dry run says the same.
TEST_F(Fix, RefusesWhatDependsOnAValueItCannotReadAndDoesTheRest) {
    const std::wstring hklm = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
    struct Case {
        std::wstring name;  // the value whose reads fail
        std::wstring path;  // as it is named
        CallLog after;      // what the fix does after naming it
    };
    const Case cases[] = {
        {L"Vrinda", hklm + L"FontSubstitutes [Vrinda]",
         {L"Unregister Vrinda.ttf", L"BroadcastFontChange", kAnnouncement,
          L"Move C:\\windows\\Fonts\\Vrinda.ttf -> C:\\Vrinda.ttf", L"Delete C:\\windows\\Fonts\\Vrinda.ttf",
          L"Set Vrinda (TrueType)", L"Set IEFixedFontName", L"Set IEPropFontName",
          L"Caption Default Font is - cannot be read", L"Restart "}},
        // Its file is not known, so the face stays in service, file and all.
        {L"Vrinda (TrueType)", hklm + L"Fonts [Vrinda (TrueType)]",
         {L"Set Vrinda", L"Set IEFixedFontName", L"Set IEPropFontName", L"Caption Default Font is - Likhan",
          L"Restart Your default font has been changed to Likhan.\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        FixRig fix;
        fix.window.internetExplorer = true;
        fix.registry.RefuseReads(c.name);
        const std::wstring refusal = c.path + L" could not be read, so Glyphor left it and what depends on it alone: it "
                                              L"did not set " + c.path + L".";
        const std::wstring box = L"Message [Glyphor " GLYPHOR_VERSION L"] (error) " + refusal;

        const auto dry = RunFix(fix.Services(), {L"Likhan", true}, {fix.asking, {}, false});
        ASSERT_TRUE(dry);
        EXPECT_EQ(fix.log, CallLog{box});
        const std::wstring shown = RenderPlan(dry->steps);
        EXPECT_NE(shown.find(L"5.00\r\n\r\n; " + refusal + L"\r\n"), std::wstring::npos) << testing::PrintToString(shown);
        EXPECT_EQ(shown.find(L"\"" + c.name + L"\"="), std::wstring::npos) << testing::PrintToString(shown);

        fix.log.clear();
        fix.Press(L"Likhan");
        CallLog expected{box};
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        EXPECT_EQ(fix.log, expected);
        EXPECT_TRUE(std::none_of(fix.registry.writes.begin(), fix.registry.writes.end(),
                                 [&](const auto& write) { return write.name == c.name; }));
    }
}
