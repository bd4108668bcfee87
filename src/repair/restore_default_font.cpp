#include "repair/restore_default_font.h"

#include <string>

#include "common/identity.h"
#include "common/text.h"
#include "common/main_window_controls.h"
#include "platform/registry_access.h"
#include "repair/apply_plan.h"
#include "repair/run_repair.h"
#include "repair/observe_rows.h"
#include "repair/plan_questions.h"
#include "repair/substitute_settings.h"

namespace {

constexpr std::wstring_view kVrinda = L"Vrinda";

// The value Windows registers a fonts-folder file by: its bare name.
std::wstring RegisteredName(const VrindaFace& face) { return std::wstring(BareFileName(face.file)); }

}  // namespace

RestoreFacts ObserveRestore(const RepairServices& services) {
    // Read before the substitute is written back: it names the linked face.
    return {FindVrindaFaces(services.registry, services.files), ReadInterfaceLinks(services.registry, services.fonts),
            EarlierLinkEntry(services.registry), ObserveRows(services.registry),
            ObserveBrowserProfiles(services.profiles, services.registry, services.users, ProfileReading::Record)};
}

plan::Plan PlanRestore(const RestoreFacts& facts, const RestoreChoices& choices) {
    using namespace SubstituteSettings;
    using namespace plan;
    Plan steps;

    // What the fix emptied comes back where the file is still there, as
    // where Windows protects it.
    for (const VrindaFace& face : facts.faces) {
        // Whether the fix emptied it is not known.
        if (face.unreadable)
            steps.push_back(Refused(SetValue{FontsValue(face.valueName), {}, {}}, FontsValue(face.valueName)));
        if (!face.inFontsKey || !face.registered.empty() || !face.fileInFolder) continue;
        steps.push_back({SetValue{FontsValue(face.valueName), mRegistry::TextValue(RegisteredName(face)), {}}});
        steps.push_back({RegisterFont{face.fontFile}});
    }

    AppendRelinks(steps, facts.links, facts.earlierEntry, {});
    const auto write = [&](const Row& row, std::wstring failure) {
        steps.push_back(Write(facts.rows, {At(row), mRegistry::TextValue(kVrinda), std::move(failure)}));
    };
    write(kSubstitute, L"The default font could not be changed back to Vrinda.\r\n"
                       L"Windows did not let Glyphor save the font substitution in the registry.");
    const bool substituted = !steps.back().unreadable;
    if (choices.internetExplorer) {
        write(kIEFixedFont, {});
        write(kIEPropFont, {});
    }
    // Whatever the boxes say: what the fix took is given back wherever it is recorded.
    for (const ObservedProfile& seen : facts.profiles)
        if (seen.recorded) steps.push_back({EditBrowserFonts{seen.profile, std::nullopt, seen.problem}});
    steps.push_back(
        {ShowMessage{L"Please Install Vrinda & then Press OK", std::wstring(kApplicationTitle), MessageIcon::Information}});

    // The user may have installed it meanwhile: each question waits for its turn.
    for (const VrindaFace& face : facts.faces) {
        if (face.backup.empty()) continue;
        const When missing = When().AndFileAt(face.backup).AndNothingAt(face.fontFile);
        const Question copyBack{Question::Asks::CopyBackupBack, face.valueName};
        steps.push_back({AskYesNo{copyBack,
                                  face.Label() + L" is not in the Fonts folder, but its backup is at " + face.backup +
                                      L".\r\n\r\nCopy the backup back and install it? The backup stays where it is.",
                                  std::wstring(kProgramTitle)},
                         missing});
        const When yes = When(missing).AndYesTo(copyBack);
        // Missing now: a file installed meanwhile only takes the copy's place.
        const bool copies = face.backupIsFile && !face.fileInFolder;
        steps.push_back({CopyFile{face.backup, face.fontFile}, yes, copies});
        // This face's own Yes: another face's must not register this one a second time.
        const When copied = When().AndYesTo(copyBack).AndFileAt(face.fontFile);
        steps.push_back({SetValue{FontsValue(face.valueName), mRegistry::TextValue(RegisteredName(face)), {}}, copied, copies});
        steps.push_back({RegisterFont{face.fontFile}, copied, copies});
        steps.push_back({BroadcastFontChange{}, copied});
    }

    steps.push_back({ReportOutcome{ReportOutcome::Of::Restore, facts.faces, {}}});
    steps.push_back({OfferRestart{substituted ? L"Your default font has been changed to Vrinda.\r\n" : L""}});
    return steps;
}

void RestoreDefaultFont(MainWindowControls& window, RepairServices services) {
    AskingUser user(services.prompts);
    RunRestore(services, {window.InternetExplorerTicked()}, {user, {}, true});
}
