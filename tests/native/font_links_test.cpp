#include "repair/font_links.h"

#include <gtest/gtest.h>

#include "repair/describe_refusals.h"
#include "repair/fix_default_font.h"
#include "repair/restore_default_font.h"
#include "repair_fakes.h"

namespace {

using Entries = std::vector<std::wstring>;

// Windows 10 with its own links: Segoe UI and Tahoma listed, Microsoft Sans
// Serif and MS Shell Dlg 2 not.
struct Links : ::testing::Test, RepairRig {
    Links() {
        version = {10, 0, 19045};
        InstallVrinda();
        Register(L"Likhan (TrueType)", L"LikhanNormal.ttf");
        Register(L"Jamrul (OpenType)", L"JamrulNormal.ttf");
        fonts.families[L"Jamrul"] = fonts.families[L"Likhan"];
        fonts.families[L"Nirmala UI"] = fonts.families[L"Likhan"];
        fonts.families[L"MS UI Gothic"] = {{0x20, 95}, {0x3000, 256}};
        Link(L"Segoe UI", {L"TAHOMA.TTF,Tahoma", L"MSGOTHIC.TTC,MS UI Gothic", L"NIRMALA.TTF,Nirmala UI",
                           L"SEGUISYM.TTF,Segoe UI Symbol"});
        Link(L"Tahoma", {L"MSGOTHIC.TTC,MS UI Gothic"});
        prompts.answers = {false, false, false};
    }

    void Link(std::wstring_view face, const Entries& entries) {
        registry.Put(RegistryRoot::LocalMachine, kSystemLinkPath, face, mRegistry::MultiStringValue(entries));
    }
    Entries Linked(std::wstring_view face) {
        const RegistryValue* value = registry.Find(RegistryRoot::LocalMachine, kSystemLinkPath, face);
        return value ? mRegistry::QueryValueStrings(*value) : Entries{L"(none)"};
    }
    // The fix with its link step asked for, as `glyphor-cli fix FACE --link` runs it.
    void Fix(std::wstring face) {
        const FixFacts facts = ObserveFix(Services(), {face});
        ApplyPlan(PlanFix(facts, {face, false, false, true}), Targets());
    }
    void Restore() { RestoreDefaultFont(window, Services()); }
};

}  // namespace

TEST_F(Links, FixPutsTheFaceBeforeTheFirstBengaliFontOfEachListedInterfaceFace) {
    Fix(L"Likhan");
    EXPECT_EQ(Linked(L"Segoe UI"), (Entries{L"TAHOMA.TTF,Tahoma", L"MSGOTHIC.TTC,MS UI Gothic",
                                            L"LikhanNormal.ttf,Likhan", L"NIRMALA.TTF,Nirmala UI",
                                            L"SEGUISYM.TTF,Segoe UI Symbol"}));
    // No Bengali font in the list: the link goes last, behind every other script's.
    EXPECT_EQ(Linked(L"Tahoma"), (Entries{L"MSGOTHIC.TTC,MS UI Gothic", L"LikhanNormal.ttf,Likhan"}));
    EXPECT_EQ(Linked(L"Microsoft Sans Serif"), Entries{L"(none)"});
    EXPECT_EQ(Linked(L"MS Shell Dlg 2"), Entries{L"(none)"});
    // After the documented rows, before the word on what the fix reaches.
    const CallLog steps = FromFirstWrite();
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(CallLog(steps.begin(), steps.begin() + 4),
              (CallLog{L"Set Vrinda (TrueType)", L"Set Vrinda", L"Set Segoe UI", L"Set Tahoma"}));
    EXPECT_NE(steps[4].find(L"Whether the font link reaches Windows' own text is unproven."), std::wstring::npos);
    EXPECT_EQ(steps[5], L"Restart Your default font has been changed to Likhan.\r\n");
}

TEST_F(Links, SecondFixReplacesTheFirstLinkAndRestoreLeavesTheListsAsTheyWere) {
    const Entries segoe = Linked(L"Segoe UI"), tahoma = Linked(L"Tahoma");
    Fix(L"Likhan");
    Fix(L"Jamrul");
    EXPECT_EQ(Linked(L"Tahoma"), (Entries{L"MSGOTHIC.TTC,MS UI Gothic", L"JamrulNormal.ttf,Jamrul"}));
    const Entries segoeNow = Linked(L"Segoe UI");
    EXPECT_EQ(std::count(segoeNow.begin(), segoeNow.end(), L"LikhanNormal.ttf,Likhan"), 0);
    EXPECT_EQ(std::count(segoeNow.begin(), segoeNow.end(), L"JamrulNormal.ttf,Jamrul"), 1);

    // The same face again changes no list.
    registry.writes.clear();
    Fix(L"Jamrul");
    EXPECT_TRUE(std::none_of(registry.writes.begin(), registry.writes.end(),
                             [](const auto& write) { return write.path == kSystemLinkPath; }));

    Restore();
    EXPECT_EQ(Linked(L"Segoe UI"), segoe);
    EXPECT_EQ(Linked(L"Tahoma"), tahoma);
}

TEST_F(Links, RestoreTakesOutOnlyTheFixsOwnEntry) {
    // Another program linked Likhan's file, in forms of its own.
    Link(L"Tahoma", {L"MSGOTHIC.TTC,MS UI Gothic", L"LIKHANNORMAL.TTF,Likhan Web", L"LikhanNormal.ttf"});
    Fix(L"Likhan");
    Restore();
    EXPECT_EQ(Linked(L"Tahoma"),
              (Entries{L"MSGOTHIC.TTC,MS UI Gothic", L"LIKHANNORMAL.TTF,Likhan Web", L"LikhanNormal.ttf"}));

    // A face somebody linked already is not linked a second time, and so
    // the restore has nothing of the fix's to take out.
    Link(L"Tahoma", {L"likhannormal.ttf,likhan,128,96"});
    Fix(L"Likhan");
    EXPECT_EQ(Linked(L"Tahoma"), Entries{L"likhannormal.ttf,likhan,128,96"});
    Restore();
    EXPECT_EQ(Linked(L"Tahoma"), Entries{L"likhannormal.ttf,likhan,128,96"});
}

TEST_F(Links, NothingIsLinkedOnWindows7OrForAFaceWithoutARegisteredFile) {
    version = {6, 1, 7601};
    Fix(L"Likhan");
    EXPECT_EQ(Linked(L"Tahoma"), Entries{L"MSGOTHIC.TTC,MS UI Gothic"});

    version = {6, 2, 9200};
    fonts.families[L"Mitra"] = fonts.families[L"Likhan"];
    Fix(L"Mitra");
    EXPECT_EQ(Linked(L"Tahoma"), Entries{L"MSGOTHIC.TTC,MS UI Gothic"});
    EXPECT_TRUE(log.end()[-2].starts_with(
        L"Message [Glyphor " GLYPHOR_VERSION L"] (warning) Bengali text in Windows' own menus and dialogs stays in Windows' font: the "
        L"file of \u201CMitra\u201D is not registered in the Fonts key, so Glyphor could not link it.\r\n\r\n"))
        << testing::PrintToString(log.end()[-2]);
}

TEST_F(Links, AUserFontIsLinkedByItsFullPath) {
    registry.Put(RegistryRoot::CurrentUser, SubstituteSettings::kFontsPath, L"Mitra (TrueType)",
                 mRegistry::TextValue(L"C:\\Users\\a\\AppData\\Local\\Microsoft\\Windows\\Fonts\\Mitra.ttf"));
    fonts.families[L"Mitra"] = fonts.families[L"Likhan"];
    Fix(L"Mitra");
    EXPECT_EQ(Linked(L"Tahoma").back(), L"C:\\Users\\a\\AppData\\Local\\Microsoft\\Windows\\Fonts\\Mitra.ttf,Mitra");
}

// Windows compares face names without regard to case: a substitute that
// names Vrinda in any case made no link of its own.
TEST_F(Links, ASubstituteNamingVrindaInAnyCaseMadeNoLink) {
    Register(L"VRINDA (TrueType)", L"Vrinda.ttf");
    for (const std::wstring face : {L"Vrinda", L"VRINDA", L"vrinda"}) {
        registry.Put(SubstituteSettings::kSubstitute.root, SubstituteSettings::kSubstitute.path,
                     SubstituteSettings::kSubstitute.name, mRegistry::TextValue(face));
        EXPECT_EQ(EarlierLinkEntry(registry).text, L"") << testing::PrintToString(face);
    }
    registry.Put(SubstituteSettings::kSubstitute.root, SubstituteSettings::kSubstitute.path,
                 SubstituteSettings::kSubstitute.name, mRegistry::TextValue(L"Likhan"));
    EXPECT_EQ(EarlierLinkEntry(registry).text, L"LikhanNormal.ttf,Likhan");
}

TEST_F(Links, FixItWritesNoLinkAndTakesOutAnEarlierFixsOwn) {
    const Entries segoe = Linked(L"Segoe UI"), tahoma = Linked(L"Tahoma");
    window.fontChoice = L"Likhan";
    FixDefaultFont(window, Services());
    EXPECT_EQ(Linked(L"Segoe UI"), segoe);
    EXPECT_EQ(Linked(L"Tahoma"), tahoma);

    // A machine linked by an earlier version: the link would outlive the substitute Restore knows it by.
    Fix(L"Likhan");
    window.fontChoice = L"Jamrul";
    FixDefaultFont(window, Services());
    EXPECT_EQ(Linked(L"Segoe UI"), segoe);
    EXPECT_EQ(Linked(L"Tahoma"), tahoma);
}

TEST_F(Links, AFaceRefusedIsNeverMeasuredFor) {
    version = {10, 0, 19045};
    window.fontChoice = L"Likhann";  // not installed: the question is answered No
    int measures = 0;
    FixDefaultFont(window, Services(), [&] { return ++measures, std::wstring(L"Vrinda"); });
    EXPECT_EQ(measures, 0);
}

TEST_F(Links, FromWindows8OnTheFixSaysWhatItReachesInOneBoxFromWhatWasMeasured) {
    struct Case {
        const char* name;
        WindowsVersion version;
        std::wstring measured;
        std::wstring says;  // empty: no box
    };
    const Case cases[] = {
        {"Windows 7 is unchanged", {6, 1, 7601}, L"Vrinda", L""},
        {"Windows 10, measured",
         {10, 0, 19045},
         L"Nirmala UI",
         L"Before the change, Windows' own menus and dialogs drew Bengali with Nirmala UI, as Glyphor measured. "
         L"Nirmala UI is not Vrinda, so the substitute does not change it. The substitute names Likhan for the text "
         L"that asks for Vrinda: documents, web pages and programs that name it. After the restart, glyphor-cli "
         L"status shows what draws Bengali now."},
        {"Windows 10 where Vrinda draws them, as under Wine", {10, 0, 19045}, L"Vrinda",
         L"drew Bengali with Vrinda, as Glyphor measured. That is Vrinda, so the substitute reaches them after the "
         L"restart."},
        {"Windows 8, not measured", {6, 2, 9200}, L"",
         L"Glyphor could not measure which font Windows' own menus and dialogs drew Bengali with before the change."},
    };
    for (const Case& c : cases) {
        log.clear();
        version = c.version;
        window.fontChoice = L"Likhan";
        int measures = 0;
        FixDefaultFont(window, Services(), [&] { return ++measures, c.measured; });
        EXPECT_EQ(measures, c.says.empty() ? 0 : 1) << c.name << ": measured only where its answer is said";
        const auto boxes = std::count_if(log.begin(), log.end(), [](const std::wstring& line) {
            return line.starts_with(L"Message [Glyphor " GLYPHOR_VERSION L"] (warning)");
        });
        EXPECT_EQ(boxes, c.says.empty() ? 0 : 1) << c.name;
        if (!c.says.empty()) {
            EXPECT_NE(log.end()[-2].find(c.says), std::wstring::npos) << c.name << log.end()[-2];
        }
    }
}

// What a list becomes is not known when the list, or the substitute that
// names the earlier fix's face, cannot be read: that list's write is refused
// and a list that can be read is relinked only while the entries are known.
TEST_F(Links, AListOrSubstituteThatCannotBeReadIsLeftAsItWas) {
    const std::wstring key = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
    const std::wstring segoe = key + L"FontLink\\SystemLink [Segoe UI]", tahoma = key + L"FontLink\\SystemLink [Tahoma]",
                       substitute = key + L"FontSubstitutes [Vrinda]";
    const std::wstring alone = L" could not be read, so Glyphor left it and what depends on it alone: it did not set ";
    Fix(L"Likhan");
    const Entries tahomaLinks = Linked(L"Tahoma");

    registry.RefuseReads(L"Tahoma");
    const plan::Plan fix = PlanFix(ObserveFix(Services(), {L"Jamrul"}), {L"Jamrul", false, false, true});
    EXPECT_EQ(DescribeRefusals(fix), std::vector<std::wstring>{tahoma + alone + tahoma + L"."});
    ApplyPlan(fix, Targets());
    EXPECT_EQ(Linked(L"Tahoma"), tahomaLinks);
    EXPECT_EQ(Linked(L"Segoe UI"), (Entries{L"TAHOMA.TTF,Tahoma", L"MSGOTHIC.TTC,MS UI Gothic", L"JamrulNormal.ttf,Jamrul",
                                            L"NIRMALA.TTF,Nirmala UI", L"SEGUISYM.TTF,Segoe UI Symbol"}));

    registry.unreadable.clear();
    registry.RefuseReads(L"Vrinda");
    const Entries segoeLinks = Linked(L"Segoe UI");
    const plan::Plan restore = PlanRestore(ObserveRestore(Services()), {});
    EXPECT_EQ(DescribeRefusals(restore), std::vector<std::wstring>{substitute + alone + segoe + L" or set " + tahoma +
                                                                   L" or set " + substitute + L"."});
    ApplyPlan(restore, Targets());
    EXPECT_EQ(Linked(L"Segoe UI"), segoeLinks);
    EXPECT_EQ(Linked(L"Tahoma"), tahomaLinks);
}
