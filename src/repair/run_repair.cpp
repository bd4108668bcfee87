#include "repair/run_repair.h"

#include "common/identity.h"
#include "common/prompts.h"
#include "common/text.h"
#include "repair/describe_refusals.h"

namespace {

// What is refused is said before anything is done, and by a dry run as by
// the real one.
AppliedPlan Carry(const plan::Plan& steps, const RepairServices& services, FrontEnd& front) {
    std::wstring refused;
    for (const std::wstring& sentence : DescribeRefusals(steps))
        refused += (refused.empty() ? L"" : L"\r\n") + sentence;
    if (!refused.empty()) services.prompts.ShowMessage(refused, kProgramTitle, MessageIcon::Error);
    if (!front.apply) return {};
    return ApplyPlan(steps, {services.registry, services.files, services.prompts, front.questions, services.restart,
                             services.profiles, front.changesMade, front.console});
}

}  // namespace

std::optional<RepairRun> RunFix(const RepairServices& services, const FixChoices& choices, FrontEnd front,
                                const MeasureInterface& measure) {
    if (CheckFaceChoice(choices.raw, services.fonts, services.prompts) != FaceCheck::Accepted) return std::nullopt;
    // Carried out, each profile's edit reads what it needs itself.
    FixFacts facts = ObserveFix(services, choices, front.apply ? ProfileReading::None : ProfileReading::Fonts);
    if (measure && facts.version.FallsBackPastVrinda()) facts.interfaceFamily = measure();
    RepairRun run{PlanFix(facts, choices), std::move(facts.faces), {}};
    run.applied = Carry(run.steps, services, front);
    return run;
}

RepairRun RunRestore(const RepairServices& services, const RestoreChoices& choices, FrontEnd front) {
    RestoreFacts facts = ObserveRestore(services);
    RepairRun run{PlanRestore(facts, choices), std::move(facts.faces), {}};
    run.applied = Carry(run.steps, services, front);
    return run;
}
