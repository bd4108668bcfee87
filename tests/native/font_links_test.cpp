#include "repair/font_links.h"

#include <gtest/gtest.h>

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
    void Fix(std::wstring face) {
        window.fontChoice = std::move(face);
        FixDefaultFont(window, Services());
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
    // After the documented rows, before the label.
    EXPECT_EQ(FromFirstWrite(), (CallLog{L"Set Vrinda (TrueType)", L"Set Vrinda", L"Set Segoe UI", L"Set Tahoma",
                                         L"Caption Default Font is - Likhan",
                                         L"Restart Your default font has been changed to Likhan.\r\n"}));
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
    EXPECT_EQ(log.end()[-2], L"Message [Glyphor " GLYPHOR_VERSION L"] (warning) Bengali text in Windows' own menus and dialogs "
                             L"stays in Windows' font: the file of \u201CMitra\u201D is not registered in the Fonts "
                             L"key, so Glyphor could not link it.");
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
        EXPECT_EQ(EarlierLinkEntry(registry), L"") << testing::PrintToString(face);
    }
    registry.Put(SubstituteSettings::kSubstitute.root, SubstituteSettings::kSubstitute.path,
                 SubstituteSettings::kSubstitute.name, mRegistry::TextValue(L"Likhan"));
    EXPECT_EQ(EarlierLinkEntry(registry), L"LikhanNormal.ttf,Likhan");
}
