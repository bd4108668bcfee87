#include "repair/run_repair.h"

#include "common/text.h"

namespace {

AppliedPlan Carry(const plan::Plan& steps, const RepairServices& services, FrontEnd& front) {
    if (!front.apply) return {};
    return ApplyPlan(steps, {services.registry, services.files, services.prompts, front.questions, services.restart,
                             front.changesMade});
}

}  // namespace

std::optional<RepairRun> RunFix(const RepairServices& services, const FixChoices& choices, FrontEnd front,
                                std::wstring_view interfaceFamily) {
    if (CheckFaceChoice(choices.raw, services.fonts, services.prompts) != FaceCheck::Accepted) return std::nullopt;
    FixFacts facts = ObserveFix(services, TrimBlanks(choices.raw));
    facts.interfaceFamily = interfaceFamily;
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
