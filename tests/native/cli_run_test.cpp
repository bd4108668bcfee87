#include "cli/run_cli.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "cli/format_status.h"
#include "cli/system_status.h"
#include "cli/text_encoding.h"
#include "repair/font_links.h"
#include "cli_fakes.h"

namespace {

using namespace SubstituteSettings;

const std::wstring kBackup = L"C:\\Vrinda.ttf";
const std::wstring kSubstituteUnread =
    L"Error: HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes [Vrinda] could not be "
    L"read, so Glyphor left it and what depends on it alone: it did not set HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\"
    L"Windows NT\\CurrentVersion\\FontSubstitutes [Vrinda].\n";

// A Bengali Windows 7 as the window's tests start it: Vrinda registered and
// in the fonts folder, no backup, Likhan installed.
struct SeededRig : CliRig {
    SeededRig() {
        InstallVrinda();
    }
    // An Edge profile, and Edge running on it.
    void OpenEdge() {
        if (!profiles.files.count(user.localAppData + L"Microsoft\\Edge\\User Data\\Default\\Preferences"))
            AddChromiumProfile(L"Microsoft\\Edge\\User Data", L"Default", "{}");
        profiles.heldLocks.insert(user.localAppData + L"Microsoft\\Edge\\User Data\\lockfile");
    }
};

struct Cli : ::testing::Test, SeededRig {};

}  // namespace

TEST_F(Cli, ExitCodesTellTheDeploymentEngineWhatHappened) {
    struct Case {
        const char* name;
        std::function<void(SeededRig&)> arrange;
        std::vector<std::wstring> line;
        int code;
        std::wstring error;  // a part of standard error, or empty when it must stay empty
    };
    const Case cases[] = {
        {"fix changes and asks for a restart", {}, {L"fix", L"Likhan"}, 3010, L""},
        {"fix of what is already fixed changes nothing",
         [](SeededRig& c) {
             c.Command({L"fix", L"Likhan"});
             c.registry.writes.clear();
         },
         {L"fix", L"Likhan"}, 0, L""},
        {"restore changes the substitute back", {}, {L"restore"}, 3010, L""},
        {"usage", {}, {L"fix"}, 2, L"glyphor-cli: fix needs the name of a font face\n\nUsage:"},
        {"not an administrator", [](SeededRig& c) { c.system.administrator = false; }, {L"fix", L"Likhan"}, 5,
         L"needs an elevated administrator"},
        {"an administrator not elevated", [](SeededRig& c) { c.system.elevated = false; }, {L"restore"}, 5,
         L"needs an elevated administrator"},
        {"the window runs", [](SeededRig& c) { c.system.guardHeld = true; }, {L"restore"}, 1,
         L"Glyphor is already running."},
        {"a face that is not installed", {}, {L"fix", L"Likhann"}, 1,
         L"No: give --force to go ahead all the same\nNothing was changed."},
        {"a face that is not installed, forced", {}, {L"fix", L"Likhann", L"--force"}, 3010, L"Yes: --force was given"},
        {"a face with a line break, forced", {}, {L"fix", L"Likhan\nB", L"--force"}, 2,
         L"glyphor-cli: the face holds a line break"},
        {"a refused substitute names its step",
         [](SeededRig& c) { c.registry.Refuse(L"Vrinda"); },
         {L"fix", L"Likhan"}, 1,
         L"Error: failed at step 7 of 9: set HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows "
         L"NT\\CurrentVersion\\FontSubstitutes [Vrinda]\n"},
        {"a file Windows protects stays, and that is no failure",
         [](SeededRig& c) { c.files.protectedFiles = {kFakeFontFile}; },
         {L"fix", L"Likhan"}, 3010, L"Warning: Windows protects Vrinda's files"},
        {"a backup that cannot be copied back fails",
         [](SeededRig& c) {
             c.Command({L"fix", L"Likhan"});
             c.files.folders.insert(kFakeFontFile);
         },
         {L"restore", L"--reinstall-vrinda"}, 1, L"failed at step"},
        {"dry runs need no rights", [](SeededRig& c) { c.system.administrator = false; }, {L"fix", L"Likhan", L"--dry-run"},
         0, L""},
        {"a browser that is open is skipped, and the rest is done",
         [](SeededRig& c) { c.OpenEdge(); }, {L"fix", L"Likhan", L"--browsers"}, 32,
         L"Warning: Microsoft Edge was open, so its Bengali font was not set: close it and run glyphor-cli fix "
         L"again.\n"},
        {"a browser that is open when the fix is already in place is no matter",
         [](SeededRig& c) {
             c.AddChromiumProfile(L"Microsoft\\Edge\\User Data", L"Default", "{}");
             c.Command({L"fix", L"Likhan", L"--browsers"});
             c.OpenEdge();
         },
         {L"fix", L"Likhan", L"--browsers"}, 0, L""},
        {"a browser that is open keeps what the fix wrote until it is closed",
         [](SeededRig& c) {
             c.AddChromiumProfile(L"Microsoft\\Edge\\User Data", L"Default", "{}");
             c.Command({L"fix", L"Likhan", L"--browsers"});
             c.OpenEdge();
         },
         {L"restore"}, 32, L"not given back: close it and run glyphor-cli restore again.\n"},
        {"a substitute that cannot be read is left, named, and fails the run once the rest is done",
         [](SeededRig& c) { c.registry.RefuseReads(L"Vrinda"); }, {L"fix", L"Likhan"}, 1, kSubstituteUnread},
        {"a dry run says the same of it", [](SeededRig& c) { c.registry.RefuseReads(L"Vrinda"); },
         {L"restore", L"--dry-run"}, 1, kSubstituteUnread},
        {"a profile that cannot be read fails the run once the rest is done",
         [](SeededRig& c) { c.AddChromiumProfile(L"Google\\Chrome\\User Data", L"Default", "{\"a\":"); },
         {L"fix", L"Likhan", L"--browsers"}, 1, L"were left as they were: Glyphor cannot read C:\\Users\\Ana"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeededRig rig;
        if (c.arrange) c.arrange(rig);
        const auto writesBefore = rig.registry.writes.size();
        EXPECT_EQ(rig.Command(c.line), c.code) << testing::PrintToString(rig.console.error);
        if (c.error.empty()) {
            EXPECT_EQ(rig.console.error, L"");
        } else {
            EXPECT_NE(rig.console.error.find(c.error), std::wstring::npos) << testing::PrintToString(rig.console.error);
        }
        if (c.code == 2 || c.code == 5) {
            EXPECT_EQ(rig.registry.writes.size(), writesBefore);
        }
    }
}

TEST_F(Cli, FixPrintsWhatTheWindowShows) {
    ASSERT_EQ(Command({L"fix", L"Likhan", L"--ie"}), 3010);
    EXPECT_EQ(console.out, L"Vrinda Font has Uninstalled from your computer.\r\n"
                           L"There is a backup on C drive (Path- \u201CC:\\Vrinda.ttf\u201D)\n"
                           L"Default Font is - Likhan\n"
                           L"Your default font has been changed to Likhan.\r\n"
                           L"Restart Windows to apply the change.\n");
    EXPECT_EQ(Text(kSubstitute), L"Likhan");
    EXPECT_EQ(Text(kIEPropFont), L"Likhan");
    EXPECT_EQ(Stored(kFontSmoothing), nullptr);
    EXPECT_EQ(files.files[kBackup], L"vrinda");

    // The window's label keeps its caption through a restore.
    ASSERT_EQ(Command({L"restore"}), 3010);
    EXPECT_EQ(console.out, L"Please Install Vrinda & then Press OK\n"
                           L"Your default font has been changed to Vrinda.\r\n"
                           L"Restart Windows to apply the change.\n");
}

TEST_F(Cli, ExportWritesEveryRowAsRegeditReadsItAbsentOnesAsDeletions) {
    registry.Put(RegistryRoot::LocalMachine, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink",
                 L"Tahoma", mRegistry::MultiStringValue({L"a,B"}));
    ASSERT_EQ(Command({L"export", L"backup.reg"}), 0);
    const std::string bytes = system.written[L"backup.reg"];
    const std::wstring expected =
        L"Windows Registry Editor Version 5.00\r\n"
        L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n"
        L"\"Vrinda\"=-\r\n"
        L"\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11]\r\n"
        L"\"IEFixedFontName\"=-\r\n"
        L"\"IEPropFontName\"=-\r\n"
        L"\r\n[HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop]\r\n"
        L"\"FontSmoothing\"=-\r\n"
        L"\"FontSmoothingType\"=-\r\n"
        L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\r\n"
        L"\"Vrinda (TrueType)\"=\"Vrinda.ttf\"\r\n"
        L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n"
        L"\"Segoe UI\"=-\r\n"
        L"\"Tahoma\"=hex(7):61,00,2c,00,42,00,00,00,00,00\r\n"
        L"\"Microsoft Sans Serif\"=-\r\n"
        L"\"MS Shell Dlg 2\"=-\r\n";
    EXPECT_EQ(bytes, EncodeUtf16LeWithBom(expected));
    EXPECT_EQ(console.error, L"");

    system.refuseWrites = true;
    EXPECT_EQ(Command({L"export", L"backup.reg"}), 1);
    EXPECT_EQ(console.error, L"Error: backup.reg could not be written.\n");
}

// Written as missing, a value that is there but could not be read would be
// deleted when the backup is imported.
TEST_F(Cli, ExportRefusesAValueItCannotRead) {
    registry.RefuseReads(L"Vrinda (TrueType)");
    EXPECT_EQ(Command({L"export", L"backup.reg"}), 1);
    EXPECT_EQ(console.error,
              L"Error: HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts [Vrinda (TrueType)] "
              L"could not be read, and a backup without it would delete it; backup.reg was not written.\n");
    EXPECT_EQ(console.out, L"");
    EXPECT_TRUE(system.written.empty());
}

// A value that cannot be read is not taken for a missing one, which would
// say Vrinda is the default, a face out of service or a face without links.
TEST_F(Cli, StatusSaysWhatItCannotReadCannotBeRead) {
    registry.RefuseReads(L"Vrinda");
    ASSERT_EQ(Command({L"status"}), 0);
    EXPECT_TRUE(console.out.starts_with(L"Default Bengali font: cannot be read\n"
                                        L"  FontSubstitutes\\Vrinda cannot be read\n"
                                        L"  FontSubstitutes\\Vrinda cannot be read, so which face the text that asks "
                                        L"for Vrinda gets is not known.\n"))
        << console.out;
    ASSERT_EQ(Command({L"status", L"--json"}), 0);
    EXPECT_NE(console.out.find(L"\"face\": null,\n    \"substitute\": null,\n    \"substituteReadable\": false,\n"
                               L"    \"state\": \"unknown\""),
              std::wstring::npos)
        << console.out;

    SeededRig fixed;
    ASSERT_EQ(fixed.Command({L"fix", L"Likhan"}), 3010);
    fixed.registry.RefuseReads(L"Vrinda (TrueType)");
    fixed.registry.RefuseReads(L"Tahoma");
    ASSERT_EQ(fixed.Command({L"status"}), 0);
    for (const std::wstring_view line : {L"Default Bengali font: not known\n",
                                         L"  Vrinda (TrueType): registration cannot be read\n",
                                         L"  Tahoma: cannot be read\n"})
        EXPECT_NE(fixed.console.out.find(line), std::wstring::npos) << testing::PrintToString(line);
    ASSERT_EQ(fixed.Command({L"status", L"--json"}), 0);
    for (const std::wstring_view part : {L"\"registrationReadable\": false,\n      \"inService\": null,",
                                         L"\"face\": \"Tahoma\",\n      \"present\": false,\n      \"readable\": false,",
                                         L"\"state\": \"unknown\""})
        EXPECT_NE(fixed.console.out.find(part), std::wstring::npos) << testing::PrintToString(part);
}

// Another program stored a substitute with line breaks in it, and a Fonts
// value whose name has one: imported, the export must give the text back
// whole and make no key or value of the text after a break.
TEST_F(Cli, ExportWritesTextWithControlCharactersAsHex) {
    const std::wstring injected = L"a\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\GlyphorInjected]\n\"x\"=\"1";
    registry.Put(kSubstitute.root, kSubstitute.path, kSubstitute.name, mRegistry::TextValue(injected));
    Register(L"Vrinda \n[HKEY_LOCAL_MACHINE\\SOFTWARE\\GlyphorInjected] (TrueType)", L"x.ttf");
    ASSERT_EQ(Command({L"export", L"backup.reg"}), 0) << testing::PrintToString(console.error);

    std::wstring hex = L"\"Vrinda\"=hex(1):";
    for (const std::uint8_t byte : mRegistry::TextValue(injected).data) {
        wchar_t digits[4];
        std::swprintf(digits, 4, L"%02x", byte);
        hex += digits;
        hex += L',';
    }
    hex.pop_back();
    const std::string bytes = system.written[L"backup.reg"];
    std::wstring text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    // regedit's line continuations taken out, the data reads as one run.
    std::wstring joined = text;
    for (std::size_t at; (at = joined.find(L"\\\r\n  ")) != std::wstring::npos;) joined.erase(at, 5);
    EXPECT_NE(joined.find(hex + L"\r\n"), std::wstring::npos) << testing::PrintToString(text);
    EXPECT_EQ(text.find(L"GlyphorInjected"), std::wstring::npos) << testing::PrintToString(text);
}

// A dry run shows what this run would change, with its options and the
// console's answers, on this machine; what is already as asked is left out.
TEST_F(Cli, DryRunShowsOnlyWhatThisRunWouldChange) {
    const std::wstring nothing = L"Nothing to change: everything already is as asked.\n";
    const std::wstring registration = L"\"Vrinda (TrueType)\"=\"Vrinda.ttf\"";
    struct Case {
        const char* name;
        std::vector<std::vector<std::wstring>> before;
        std::vector<std::wstring> line;
        std::vector<std::wstring> shown;   // parts of standard output
        std::vector<std::wstring> hidden;  // never in it
    };
    const Case cases[] = {
        {"fix on an unfixed machine", {}, {L"fix", L"Likhan", L"--dry-run"}, {L"\"Vrinda\"=\"Likhan\"", L"; move "}, {nothing}},
        {"fix again", {{L"fix", L"Likhan"}}, {L"fix", L"Likhan", L"--dry-run"}, {nothing}, {L"Registry"}},
        {"fix again with a tick not given before", {{L"fix", L"Likhan"}}, {L"fix", L"Likhan", L"--ie", L"--dry-run"},
         {L"\"IEPropFontName\"=\"Likhan\""}, {L"\"Vrinda\"=\"Likhan\"", L"; move ", L"; unregister "}},
        {"restore after a fix", {{L"fix", L"Likhan"}}, {L"restore", L"--dry-run"}, {L"\"Vrinda\"=\"Vrinda\""},
         {registration, L"; copy "}},
        {"restore after a fix, reinstalling", {{L"fix", L"Likhan"}}, {L"restore", L"--reinstall-vrinda", L"--dry-run"},
         {L"\"Vrinda\"=\"Vrinda\"", registration, L"; copy C:\\Vrinda.ttf to "}, {}},
        {"restore again", {{L"fix", L"Likhan"}, {L"restore", L"--reinstall-vrinda"}},
         {L"restore", L"--reinstall-vrinda", L"--dry-run"}, {nothing}, {L"Registry"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeededRig rig;
        for (const auto& line : c.before) ASSERT_EQ(rig.Command(line), 3010);
        const auto writes = rig.registry.writes.size();
        EXPECT_EQ(rig.Command(c.line), 0);
        for (const auto& part : c.shown) EXPECT_NE(rig.console.out.find(part), std::wstring::npos) << testing::PrintToString(rig.console.out);
        for (const auto& part : c.hidden) EXPECT_EQ(rig.console.out.find(part), std::wstring::npos) << testing::PrintToString(rig.console.out);
        EXPECT_EQ(rig.registry.writes.size(), writes);
        // The real run agrees with its dry run on whether there is anything to change.
        const bool nothingShown = rig.console.out == nothing;
        auto real = c.line;
        real.pop_back();
        EXPECT_EQ(rig.Command(real), nothingShown ? 0 : 3010) << testing::PrintToString(rig.console.error);
    }
}

TEST_F(Cli, ListPrintsTheFamiliesAsLinesOrAsAJsonArray) {
    system.families = {L"Likhan", L"Mitra ", L"\u09AE\u09C1\u0995\u09CD\u09A4\u09BF"};
    EXPECT_EQ(Command({L"list"}), 0);
    EXPECT_EQ(console.out, L"Likhan\nMitra \n\u09AE\u09C1\u0995\u09CD\u09A4\u09BF\n");
    EXPECT_EQ(Command({L"list", L"--json"}), 0);
    EXPECT_EQ(console.out, L"[\n  \"Likhan\",\n  \"Mitra \",\n  \"\u09AE\u09C1\u0995\u09CD\u09A4\u09BF\"\n]\n");
    system.families.clear();
    EXPECT_EQ(Command({L"list", L"--json"}), 0);
    EXPECT_EQ(console.out, L"[]\n");
}

TEST_F(Cli, StatusNamesTheDefaultAsTheSubstituteAndTheRegistrationsMakeIt) {
    struct Case {
        const char* name;
        std::function<void(SeededRig&)> arrange;
        std::wstring state;
        std::wstring face;
    };
    const Case cases[] = {
        {"untouched", {}, L"vrinda", L"Vrinda"},
        {"mapped to itself", [](SeededRig& c) { c.registry.Put(kSubstitute.root, kSubstitute.path, kSubstitute.name,
                                                          mRegistry::TextValue(L"vrinda")); },
         L"vrinda", L"Vrinda"},
        {"fixed", [](SeededRig& c) { c.Command({L"fix", L"Likhan"}); }, L"substituted", L"Likhan"},
        {"mapped while Vrinda is still registered",
         [](SeededRig& c) { c.registry.Put(kSubstitute.root, kSubstitute.path, kSubstitute.name, mRegistry::TextValue(L"Likhan")); },
         L"inactive", L"Vrinda"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeededRig rig;
        if (c.arrange) c.arrange(rig);
        ASSERT_EQ(rig.Command({L"status", L"--json"}), 0);
        EXPECT_NE(rig.console.out.find(L"\"state\": \"" + c.state + L"\""), std::wstring::npos);
        EXPECT_NE(rig.console.out.find(L"\"face\": \"" + c.face + L"\""), std::wstring::npos);
        ASSERT_EQ(rig.Command({L"status"}), 0);
        EXPECT_TRUE(rig.console.out.starts_with(L"Default Bengali font: " + c.face + L"\n"));
    }
}

TEST_F(Cli, StatusSaysWhetherTheCallerMayFix) {
    for (const auto& [administrator, elevated, line] :
         {std::tuple{true, true, L"Administrator: yes, elevated\n"}, std::tuple{true, false, L"Administrator: yes, not elevated\n"},
          std::tuple{false, false, L"Administrator: no\n"}}) {
        system.administrator = administrator;
        system.elevated = elevated;
        ASSERT_EQ(Command({L"status"}), 0);
        EXPECT_NE(console.out.find(line), std::wstring::npos) << testing::PrintToString(console.out);
    }
}

// A start-up script runs the fix at every boot: on Windows 10 the link into
// the interface fonts, when asked for, is made once, and the export holds it.
TEST_F(Cli, OnWindows10TheLinkIsMadeOnceAndExported) {
    version = {10, 0, 19045};
    Register(L"Likhan (TrueType)", L"LikhanNormal.ttf");
    registry.Put(RegistryRoot::LocalMachine, kSystemLinkPath, L"Tahoma", mRegistry::MultiStringValue({L"a,B"}));

    ASSERT_EQ(Command({L"fix", L"Likhan", L"--link"}), 3010) << testing::PrintToString(console.error);
    EXPECT_EQ(mRegistry::QueryValueStrings(*registry.Find(RegistryRoot::LocalMachine, kSystemLinkPath, L"Tahoma")),
              (std::vector<std::wstring>{L"a,B", L"LikhanNormal.ttf,Likhan"}));
    EXPECT_EQ(Command({L"fix", L"Likhan", L"--link"}), 0) << testing::PrintToString(console.error);

    ASSERT_EQ(Command({L"export", L"after.reg"}), 0);
    EXPECT_NE(system.written[L"after.reg"].find(EncodeUtf16LeWithBom(L"\"Tahoma\"=hex(7):61,00,2c,00,42,00,00,00,4c,00").substr(2)),
              std::string::npos);

    EXPECT_EQ(Command({L"restore"}), 3010);
    EXPECT_EQ(mRegistry::QueryValueStrings(*registry.Find(RegistryRoot::LocalMachine, kSystemLinkPath, L"Tahoma")),
              std::vector<std::wstring>{L"a,B"});
}

TEST_F(Cli, ListAllMarksEveryFamilyWithBengaliLettersByWhetherTheWindowListsIt) {
    fonts.families[L"Lohit Bengali"] = {{0x0980, 4}, {0x0985, 8}, {0x098F, 2}, {0x0993, 22}, {0x09AA, 7},
                                        {0x09B2, 1}, {0x09B6, 4}};
    fonts.families[L"Mitra "] = fonts.families[L"Likhan"];
    fonts.families[L"Tahoma"] = {{0x20, 95}};
    system.families = {L"Likhan", L"Mitra "};
    // Reported once per character set; one installed family is unreadable.
    system.installed = {L"Tahoma", L"Likhan", L"Lohit Bengali", L"Likhan", L"Mitra ", L"Gone"};
    EXPECT_EQ(Command({L"list", L"--all"}), 0);
    EXPECT_EQ(console.out, L"Likhan\tlisted\nLohit Bengali\tnot listed\nMitra \tlisted\n");
    EXPECT_EQ(Command({L"list", L"--all", L"--json"}), 0);
    EXPECT_EQ(console.out, L"[\n  {\n    \"family\": \"Likhan\",\n    \"listed\": true\n  },\n"
                           L"  {\n    \"family\": \"Lohit Bengali\",\n    \"listed\": false\n  },\n"
                           L"  {\n    \"family\": \"Mitra \",\n    \"listed\": true\n  }\n]\n");
}

TEST_F(Cli, StatusSaysWhichFontsReallyDrawBengaliNow) {
    version = {10, 0, 19045};
    drawing.messageFace = L"Segoe UI";
    drawing.fallback = L"Nirmala UI";
    drawing.families[L"Vrinda"] = L"Likhan";
    drawing.directWrite = {true, L"Nirmala UI"};
    registry.Put(kSubstitute.root, kSubstitute.path, kSubstitute.name, mRegistry::TextValue(L"Likhan"));
    ASSERT_EQ(Command({L"status"}), 0);
    EXPECT_TRUE(console.out.ends_with(
        L"Bengali text on this machine now:\n"
        L"  Interface text (Segoe UI): Nirmala UI (through font fallback)\n"
        L"    in Tahoma: Nirmala UI (through font fallback)\n"
        L"    in Microsoft Sans Serif: Nirmala UI (through font fallback)\n"
        L"    in MS Shell Dlg 2: Nirmala UI (through font fallback)\n"
        L"  Text that asks for Vrinda: Likhan (through FontSubstitutes)\n"
        L"  DirectWrite text: Nirmala UI (through font fallback)\n"
        L"  A fix shows here only after Windows restarts: run glyphor-cli status again then.\n"
        L"Bengali in browsers:\n"
        L"  no profile of Edge, Chrome, Brave or Firefox found\n"))
        << testing::PrintToString(console.out);

    ASSERT_EQ(Command({L"status", L"--json"}), 0);
    const std::wstring font = L"{\n          \"family\": \"Nirmala UI\",\n          \"via\": \"fallback\"\n        }";
    EXPECT_NE(console.out.find(L"  \"drawnWith\": {\n    \"interface\": {\n      \"family\": \"Nirmala UI\",\n"
                               L"      \"via\": \"fallback\",\n      \"faces\": {\n        \"Segoe UI\": " + font +
                               L",\n        \"Tahoma\": " + font + L",\n        \"Microsoft Sans Serif\": " + font +
                               L",\n        \"MS Shell Dlg 2\": " + font +
                               L"\n      }\n    },\n    \"vrinda\": {\n      \"family\": \"Likhan\",\n"
                               L"      \"via\": \"substitute\"\n    },\n    \"directWrite\": {\n"
                               L"      \"family\": \"Nirmala UI\",\n      \"via\": \"fallback\",\n"
                               L"      \"available\": true\n    }\n  },\n"
                               L"  \"browsers\": []\n}\n"),
              std::wstring::npos)
        << testing::PrintToString(console.out);

    version = {6, 1, 7601};
    ASSERT_EQ(Command({L"status", L"--json"}), 0);
    // Windows 7 has no system fallback to ask, which "available" tells from one that maps no font.
    EXPECT_NE(console.out.find(L"\"directWrite\": {\n      \"family\": null,\n      \"via\": \"unknown\",\n"
                               L"      \"available\": false\n    }"),
              std::wstring::npos);
}

TEST_F(Cli, ExpectExitsZeroOnlyWhenEveryPathAFixReachesShowsTheFace) {
    struct Case {
        const char* name;
        WindowsVersion version;
        std::optional<std::wstring> vrindaFamily;  // what "Vrinda" resolves to; nothing draws when none
        std::wstring fallback;                     // Uniscribe's Bengali fallback face
        int code;
        std::wstring error;
        bool fixed = false;
        std::wstring fixedFor = L"Likhan";
    };
    const Case cases[] = {
        {"Windows 7, unfixed", {6, 1, 7601}, L"Vrinda", L"Vrinda", 1,
         L"Not Likhan: interface text shows Vrinda.\nNot Likhan: text that asks for Vrinda shows Vrinda.\n"},
        {"Windows 7, fixed and restarted", {6, 1, 7601}, L"Likhan", L"Vrinda", 0, L""},
        {"Windows 7, a face of another case", {6, 1, 7601}, L"LIKHAN", L"Vrinda", 0, L""},
        {"Windows 10, fixed: the interface is not the fix's to reach", {10, 0, 19045}, L"Likhan", L"Nirmala UI", 0,
         L""},
        {"Windows 10, fixed but not restarted", {10, 0, 19045}, L"Vrinda", L"Nirmala UI", 1,
         L"Not Likhan: text that asks for Vrinda shows Vrinda.\n"},
        {"Windows 10, no answer", {10, 0, 19045}, std::nullopt, L"Nirmala UI", 4,
         L"Not Likhan: text that asks for Vrinda shows no family Windows could name.\n"
         L"Glyphor could not measure what draws Bengali, so it cannot tell.\n"},
        {"Windows 10, fixed, waiting for the restart", {10, 0, 19045}, L"Vrinda", L"Nirmala UI", 3010,
         L"Not Likhan: text that asks for Vrinda shows Vrinda.\n"
         L"The fix for Likhan is in place and shows once Windows has restarted.\n",
         true},
        {"Windows 7, fixed for another face", {6, 1, 7601}, L"Vrinda", L"Vrinda", 1,
         L"Not Likhan: interface text shows Vrinda.\nNot Likhan: text that asks for Vrinda shows Vrinda.\n", false,
         L"Jamrul"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeededRig rig;
        rig.version = c.version;
        rig.drawing.fallback = c.fallback;
        rig.drawing.families[L"Vrinda"] = c.vrindaFamily;
        if (!c.vrindaFamily) rig.drawing.recorded[L"Vrinda"] = {};
        if (c.fixed || c.fixedFor != L"Likhan") {
            rig.fonts.families[L"Jamrul"] = rig.fonts.families[L"Likhan"];
            ASSERT_EQ(rig.Command({L"fix", c.fixedFor}), 3010);
        }
        EXPECT_EQ(rig.Command({L"status", L"--expect", L"Likhan"}), c.code);
        EXPECT_EQ(rig.console.error, c.error);
        EXPECT_TRUE(rig.console.out.starts_with(L"Default Bengali font:"));
    }
    EXPECT_EQ(Command({L"status", L"--expect"}), 2);
}

TEST_F(Cli, StatusNamesEachBrowserProfilesBengaliFontsAndExpectCanRequireThem) {
    // Windows 10, fixed and restarted: only the browsers are left to require.
    version = {10, 0, 19045};
    drawing.fallback = L"Nirmala UI";
    drawing.families[L"Vrinda"] = L"Likhan";
    AddChromiumProfile(L"Google\\Chrome\\User Data", L"Default", "{}");
    AddFirefoxProfile(L"abc.default", "");
    profiles.heldLocks.insert(user.roamingAppData + L"Mozilla\\Firefox\\Profiles\\abc.default\\parent.lock");
    ASSERT_EQ(Command({L"status"}), 0);
    EXPECT_NE(console.out.find(L"Bengali in browsers:\n"
                               L"  Google Chrome, \u201CDefault\u201D: not set: the page's fonts, then Windows' fallback\n"
                               L"    C:\\Users\\Ana\\AppData\\Local\\Google\\Chrome\\User Data\\Default\n"
                               L"  Firefox, \u201Cabc.default\u201D: not set: the page's fonts, then Windows' fallback; in use\n"),
              std::wstring::npos)
        << console.out;
    EXPECT_EQ(Command({L"status", L"--expect", L"Likhan"}), 0) << "the browsers count only when asked for";
    EXPECT_EQ(Command({L"status", L"--expect", L"Likhan", L"--browsers"}), 1);
    EXPECT_NE(console.error.find(L"Not Likhan: Google Chrome's profile \u201CDefault\u201D"), std::wstring::npos)
        << console.error;

    profiles.heldLocks.clear();
    ASSERT_EQ(Command({L"fix", L"Likhan", L"--browsers"}), 3010);
    EXPECT_EQ(Command({L"status", L"--expect", L"likhan", L"--browsers"}), 0) << console.error;
    ASSERT_EQ(Command({L"status", L"--json"}), 0);
    EXPECT_NE(console.out.find(L"\"browser\": \"Firefox\",\n      \"profile\": \"C:\\\\Users\\\\Ana\\\\AppData\\\\Roaming"
                               L"\\\\Mozilla\\\\Firefox\\\\Profiles\\\\abc.default\",\n      \"name\": \"abc.default\",\n"
                               L"      \"fonts\": {\n        \"standard\": null,\n        \"serif\": \"Likhan\",\n"
                               L"        \"sansSerif\": \"Likhan\"\n      },\n      \"inUse\": false,\n      \"readable\": true"),
              std::wstring::npos)
        << console.out;
}

TEST_F(Cli, OnWindows10TheFixAndItsDryRunLeaveTheLinksAloneUnlessAskedTo) {
    version = {10, 0, 19045};
    Register(L"Likhan (TrueType)", L"LikhanNormal.ttf");
    registry.Put(RegistryRoot::LocalMachine, kSystemLinkPath, L"Tahoma", mRegistry::MultiStringValue({L"a,B"}));
    ASSERT_EQ(Command({L"fix", L"Likhan", L"--dry-run"}), 0);
    EXPECT_EQ(console.out.find(L"SystemLink"), std::wstring::npos);
    ASSERT_EQ(Command({L"fix", L"Likhan", L"--dry-run", L"--link"}), 0);
    EXPECT_NE(console.out.find(L"FontLink\\SystemLink]\r\n\"Tahoma\"=hex(7)"), std::wstring::npos) << console.out;

    ASSERT_EQ(Command({L"fix", L"Likhan"}), 3010);
    EXPECT_TRUE(std::none_of(registry.writes.begin(), registry.writes.end(),
                             [](const auto& write) { return write.path == kSystemLinkPath; }));
    EXPECT_NE(console.error.find(L"That is Vrinda, so the substitute reaches them after the restart."), std::wstring::npos)
        << testing::PrintToString(console.error);
}
