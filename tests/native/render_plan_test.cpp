#include "repair/render_plan.h"

#include <gtest/gtest.h>

#include "platform/registry_access.h"
#include "repair/fix_default_font.h"

namespace {

using plan::ValueRef;

const ValueRef kSubstitute{RegistryRoot::LocalMachine,
                           L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", L"Vrinda"};

}  // namespace

TEST(RenderRegFile, WritesEachTypeAsRegeditDoes) {
    const ValueRef link{RegistryRoot::LocalMachine,
                        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink", L"Tahoma"};
    const ValueRef smoothing{RegistryRoot::Users, L".DEFAULT\\Control Panel\\Desktop", L"FontSmoothingType"};
    const ValueRef quoted{RegistryRoot::CurrentUser, L"Software\\Test", L"Path \"x\""};
    EXPECT_EQ(RenderRegFile({
                  {kSubstitute, mRegistry::TextValue(L"Likhan")},
                  {link, mRegistry::MultiStringValue({L"A.TTF,A", L"B"})},
                  {smoothing, mRegistry::DwordValue(2)},
                  {quoted, mRegistry::TextValue(L"C:\\Vrinda.ttf")},
                  {{RegistryRoot::CurrentUser, L"Software\\Test", L"Gone"}, std::nullopt},
              }),
              L"Windows Registry Editor Version 5.00\r\n"
              L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n"
              L"\"Vrinda\"=\"Likhan\"\r\n"
              L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n"
              L"\"Tahoma\"=hex(7):41,00,2e,00,54,00,54,00,46,00,2c,00,41,00,00,00,42,00,00,00,00,\\\r\n"
              L"  00\r\n"
              L"\r\n[HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop]\r\n"
              L"\"FontSmoothingType\"=dword:00000002\r\n"
              L"\r\n[HKEY_CURRENT_USER\\Software\\Test]\r\n"
              L"\"Path \\\"x\\\"\"=\"C:\\\\Vrinda.ttf\"\r\n"
              L"\"Gone\"=-\r\n");
}

TEST(RenderRegFile, BreaksLongHexLinesAndKeepsTextWithANulWhole) {
    std::vector<std::wstring> entries(8, L"NIRMALA.TTF,Nirmala UI");
    const std::wstring text = RenderRegFile({{kSubstitute, mRegistry::MultiStringValue(entries)}});
    // Key names are never broken; value lines are, as regedit breaks them.
    for (std::size_t start = text.find(L"\"Vrinda\""), end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2)
        EXPECT_LE(end - start, 80u) << testing::PrintToString(text.substr(start, end - start));
    EXPECT_NE(text.find(L",\\\r\n  "), std::wstring::npos);

    const std::wstring cut = RenderRegFile({{kSubstitute, RegistryValue{RegistryType::String, {'A', 0, 0, 0, 'B', 0, 0, 0}}}});
    EXPECT_NE(cut.find(L"\"Vrinda\"=hex(1):41,00,00,00,42,00,00,00"), std::wstring::npos);

    // The file is UTF-16: an unpaired surrogate would come back as U+FFFD.
    const std::wstring unpaired = RenderRegFile({{kSubstitute, RegistryValue{RegistryType::String, {'L', 0, 0, 0xD8, 0, 0}}}});
    EXPECT_NE(unpaired.find(L"\"Vrinda\"=hex(1):4c,00,00,d8,00,00\r\n"), std::wstring::npos) << testing::PrintToString(unpaired);
    const std::wstring paired =
        RenderRegFile({{kSubstitute, RegistryValue{RegistryType::String, {'L', 0, 0x3D, 0xD8, 0x00, 0xDE, 0, 0}}}});
    EXPECT_EQ(paired.find(L"hex(1)"), std::wstring::npos) << "a pair is a letter like any other";

    const std::wstring broken = RenderRegFile({{kSubstitute, mRegistry::TextValue(L"a\r\n[X]\tb")}});
    EXPECT_NE(broken.find(L"\"Vrinda\"=hex(1):61,00,0d,00,0a,00,5b,00,58,00,5d,00,09,00,62,00,00,00\r\n"),
              std::wstring::npos) << testing::PrintToString(broken);
}

// A dry run's notes are comments: a path or a text with a line break in it
// must not end its comment and start a line of its own.
TEST(RenderPlan, KeepsEachNoteOnItsLine) {
    const plan::Plan steps = {
        {plan::ShowMessage{L"one\ntwo\r\nthree", L"t", MessageIcon::Information}},
        {plan::SetValue{kSubstitute, mRegistry::TextValue(L"x"), {}}, plan::When().AndFileAt(L"C:\\a\n[HKLM\\X]")},
    };
    const std::wstring text = RenderPlan(steps);
    EXPECT_NE(text.find(L"\r\n; only if a file is at C:\\a [HKLM\\X]\r\n[HKEY_LOCAL_MACHINE"), std::wstring::npos)
        << testing::PrintToString(text);
    EXPECT_NE(text.find(L"\r\n; say: one two three\r\n"), std::wstring::npos) << testing::PrintToString(text);
}

TEST(RenderPlan, ShowsTheFixAsARegFileAndItsOtherStepsInOrder) {
    VrindaFace vrinda;
    vrinda.valueName = L"Vrinda (TrueType)";
    vrinda.inFontsKey = true;
    vrinda.registered = vrinda.file = L"Vrinda.ttf";
    vrinda.fontFile = L"C:\\Windows\\Fonts\\Vrinda.ttf";
    vrinda.backup = L"C:\\Vrinda.ttf";
    vrinda.fileInFolder = true;
    const BrowserInfo& chrome = KnownBrowsers()[1];
    const auto profile = [&](std::wstring name, std::optional<std::wstring> face, plan::ProfileProblem problem) {
        const std::wstring folder = L"C:\\Users\\Ana\\Chrome\\" + name;
        return ObservedProfile{{&chrome, folder, name, folder + L"\\Preferences", L"C:\\lockfile", false},
                               problem, BengaliFonts{face, face, face}, false};
    };
    FixFacts facts{{vrinda}, {10, 0, 19045}, {}, {}, {}, {}, {}, {}};
    facts.profiles = {profile(L"Default", std::nullopt, plan::ProfileProblem::None),
                      profile(L"Done", L"Likhan", plan::ProfileProblem::None),
                      profile(L"Busy", std::nullopt, plan::ProfileProblem::Open)};
    const std::wstring text = RenderPlan(PlanFix(facts, {L"Likhan", true, false, false, true}));
    EXPECT_EQ(text,
              L"Windows Registry Editor Version 5.00\r\n"
              L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\r\n"
              L"\"Vrinda (TrueType)\"=\"\"\r\n"
              L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n"
              L"\"Vrinda\"=\"Likhan\"\r\n"
              L"\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11]\r\n"
              L"\"IEFixedFontName\"=\"Likhan\"\r\n"
              L"\"IEPropFontName\"=\"Likhan\"\r\n"
              L"\r\n; Other steps, in order:\r\n"
              L"; unregister font Vrinda.ttf or C:\\Windows\\Fonts\\Vrinda.ttf\r\n"
              L"; tell all windows the fonts changed (only if a font was unregistered)\r\n"
              L"; say: Vrinda Font has Uninstalled from your computer. There is a backup on C drive (Path- "
              L"\u201CC:\\Vrinda.ttf\u201D) (only if a font was unregistered)\r\n"
              L"; move C:\\Windows\\Fonts\\Vrinda.ttf to C:\\Vrinda.ttf\r\n"
              L"; delete C:\\Windows\\Fonts\\Vrinda.ttf (only if a file is at C:\\Vrinda.ttf)\r\n"
              // A profile that names the face already is not among them.
              L"; set webkit.webprefs.fonts.standard.Beng, .serif.Beng and .sansserif.Beng to \"Likhan\" in "
              L"C:\\Users\\Ana\\Chrome\\Default\\Preferences (Google Chrome, profile \u201CDefault\u201D)\r\n"
              L"; set webkit.webprefs.fonts.standard.Beng, .serif.Beng and .sansserif.Beng to \"Likhan\" in "
              L"C:\\Users\\Ana\\Chrome\\Busy\\Preferences (Google Chrome, profile \u201CBusy\u201D); skipped while "
              L"Google Chrome is open\r\n"
              L"; check what was done and say what went otherwise\r\n"
              L"; offer to restart Windows\r\n");
}
