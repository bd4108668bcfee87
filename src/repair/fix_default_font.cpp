#include "repair/fix_default_font.h"

#include "common/identity.h"
#include "common/main_window_controls.h"
#include "common/prompts.h"
#include "common/text.h"
#include "fonts/font_catalog.h"
#include "platform/registry_access.h"
#include "repair/apply_plan.h"
#include "repair/refresh_default_font.h"
#include "repair/run_repair.h"
#include "repair/observe_rows.h"
#include "repair/plan_questions.h"
#include "repair/remove_vrinda_font.h"
#include "repair/substitute_settings.h"

namespace {

// LF_FACESIZE less its NUL: no font's name is longer.
constexpr std::size_t kLongestFaceName = 31;

plan::Step Write(const FixFacts& facts, const SubstituteSettings::Row& row, RegistryValue value,
                 std::wstring failure = {}) {
    return plan::Write(facts.rows, {SubstituteSettings::At(row), std::move(value), std::move(failure)});
}

// "\u0985 is missing", "\u0995 and \u09B9 are missing", "\u0985, \u0995 and \u09B9 are missing".
std::wstring ListedLetters(std::u16string_view letters) {
    std::wstring text;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (i > 0) text += i + 1 == letters.size() ? L" and " : L", ";
        text.push_back(static_cast<wchar_t>(letters[i]));
    }
    return text + (letters.size() == 1 ? L" is missing" : L" are missing");
}

// From Windows 8 on Windows' own text may fall back past Vrinda, which no
// substitute changes. Only what was measured is said, and nothing of what
// Windows will draw after the restart.
std::wstring DescribeReach(std::wstring_view face, std::wstring_view interfaceFamily, bool linked) {
    std::wstring text;
    if (interfaceFamily.empty()) {
        text = L"Glyphor could not measure which font Windows' own menus and dialogs drew Bengali with before the "
               L"change.";
    } else {
        const std::wstring family(interfaceFamily);
        text = L"Before the change, Windows' own menus and dialogs drew Bengali with " + family +
               L", as Glyphor measured. " +
               (SameFaceName(family, L"Vrinda")
                    ? L"That is Vrinda, so the substitute reaches them after the restart."
                    : family + L" is not Vrinda, so the substitute does not change it.");
    }
    text += L" The substitute names " + std::wstring(face) +
            L" for the text that asks for Vrinda: documents, web pages and programs that name it.";
    if (linked) text += L" Whether the font link reaches Windows' own text is unproven.";
    return text + L" After the restart, glyphor-cli status shows what draws Bengali now.";
}

}  // namespace

FaceCheck CheckFaceChoice(std::wstring_view raw, FontCatalog& fonts, Prompts& prompts) {
    const std::wstring face = TrimBlanks(raw);
    // A blank face would take Vrinda away and map it to nothing.
    if (raw == kFontChoicePlaceholder || face.empty()) {
        prompts.ShowMessage(L"Choose a Font from this list", kProgramTitle, MessageIcon::Error);
        return FaceCheck::Refused;
    }
    // Shown in quotes it would break the box's lines; stored, it would break the backup's.
    if (HoldsControlCharacter(raw)) {
        prompts.ShowMessage(L"The name typed holds a line break, a tab or another control character, which no "
                            L"font's name has.\r\nChoose a Font from this list",
                            kProgramTitle, MessageIcon::Error);
        return FaceCheck::Refused;
    }
    if (face.size() > kLongestFaceName) {
        prompts.ShowMessage(Quoted(face) + L" is no font's name: Windows font names have at most 31 characters.\r\n"
                                           L"Choose a Font from this list",
                            kProgramTitle, MessageIcon::Error);
        return FaceCheck::Refused;
    }

    // The list holds families as GDI names them, a trailing blank included.
    auto coverage = fonts.Coverage(raw);
    if (!coverage) coverage = fonts.Coverage(face);
    std::wstring doubt;
    if (!coverage) {
        doubt = L"No font called " + Quoted(face) +
                L" is installed, so Windows would draw Bengali text with some other font in its place.";
    } else if (const std::u16string missing = mFontEnum::MissingFrom(*coverage, mFontEnum::kBengaliLetters);
               !missing.empty()) {
        doubt = Quoted(face) + L" has no Bengali letters (" + ListedLetters(missing) +
                L"), so Bengali text would not show in it.";
    }
    if (doubt.empty()) return FaceCheck::Accepted;
    return prompts.AskYesNo(doubt + L"\r\n\r\nMake it the default Bengali font all the same?", kProgramTitle)
               ? FaceCheck::Accepted
               : FaceCheck::Declined;
}

FixFacts ObserveFix(const RepairServices& services, const FixChoices& choices, ProfileReading reading) {
    const std::wstring face = TrimBlanks(choices.raw);
    FixFacts facts{FindVrindaFaces(services.registry, services.files), services.version, {}, {}, {}, {}, {}, {}};
    facts.links = ReadInterfaceLinks(services.registry, services.fonts);
    facts.chosenFile = FindRegisteredFile(services.registry, face);
    facts.earlierEntry = EarlierLinkEntry(services.registry);
    facts.rows = ObserveRows(services.registry);
    if (choices.browsers) facts.profiles = ObserveBrowserProfiles(services.profiles, services.registry, services.users, reading);
    return facts;
}

plan::Plan PlanFix(const FixFacts& facts, const FixChoices& choices) {
    using namespace SubstituteSettings;
    const std::wstring face = TrimBlanks(choices.raw);
    plan::Plan steps = RemoveVrindaFont(facts.faces);

    steps.push_back(Write(facts, kSubstitute, mRegistry::TextValue(face),
                          L"The default font could not be changed to " + face +
                              L".\r\nWindows did not let Glyphor save the font substitution in the registry."));
    // Refused, the substitute is announced nowhere: it may name anything.
    const bool substituted = !steps.back().unreadable;
    if (choices.internetExplorer) {
        steps.push_back(Write(facts, kIEFixedFont, mRegistry::TextValue(face)));
        steps.push_back(Write(facts, kIEPropFont, mRegistry::TextValue(face)));
    }
    if (choices.smoothing) {
        steps.push_back(Write(facts, kFontSmoothing, mRegistry::TextValue(kSmoothingOn)));
        steps.push_back(Write(facts, kFontSmoothingType, mRegistry::DwordValue(kClearType)));
    }
    for (const ObservedProfile& seen : facts.profiles) {
        // One that names the face already is not opened, so that a browser open on it is no matter.
        if (!NamesFace(seen, face, FaceMatch::Exactly))
            steps.push_back({plan::EditBrowserFonts{seen.profile, face, seen.problem}});
    }
    std::vector<std::wstring> notes;
    if (facts.version.FallsBackPastVrinda()) {
        // An earlier fix's link goes in any case: kept, it would outlive the substitute that Restore knows it by.
        const ValueText entry =
            choices.link ? ValueText{LinkEntry(facts.chosenFile.text, face), facts.chosenFile.unreadable} : ValueText{};
        AppendRelinks(steps, facts.links, facts.earlierEntry, entry);
        if (choices.link && entry.text.empty() && !entry.unreadable && !facts.links.empty()) {
            notes.push_back(L"Bengali text in Windows' own menus and dialogs stays in Windows' font: the file of " +
                            Quoted(face) + L" is not registered in the Fonts key, so Glyphor could not link it.");
        }
        if (substituted) notes.push_back(DescribeReach(face, facts.interfaceFamily, choices.link));
    }
    steps.push_back({plan::ReportOutcome{plan::ReportOutcome::Of::Removal, facts.faces, std::move(notes)}});
    steps.push_back(
        {plan::OfferRestart{substituted ? L"Your default font has been changed to " + choices.raw + L".\r\n" : L""}});
    return steps;
}

void FixDefaultFont(MainWindowControls& window, RepairServices services, const std::function<std::wstring()>& measure) {
    const FixChoices choices{window.FontChoiceText(), window.InternetExplorerTicked(), window.SmoothingTicked(), false,
                             window.BrowsersTicked()};
    AskingUser user(services.prompts);
    const auto shown = [&] { RefreshDefaultFont(services.registry, window); };
    if (!RunFix(services, choices, {user, shown, true}, measure)) window.FocusFontChoice();
}
