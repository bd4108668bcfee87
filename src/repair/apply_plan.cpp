#include "repair/apply_plan.h"

#include <algorithm>

#include "common/font_files.h"
#include "common/identity.h"
#include "common/prompts.h"
#include "common/restart_prompt.h"
#include "platform/registry_access.h"
#include "repair/describe_outcome.h"
#include "repair/edit_browser_fonts.h"
#include "repair/plan_questions.h"
#include "repair/substitute_settings.h"

namespace {

using namespace plan;

struct Applier {
    PlanTargets& targets;
    AppliedPlan& applied;
    bool anyUnregistered = false;
    std::vector<Question> answeredYes;

    bool Holds(const When& when) const {
        if (when.unregistered && !anyUnregistered) return false;
        if (when.yesTo && std::find(answeredYes.begin(), answeredYes.end(), *when.yesTo) == answeredYes.end())
            return false;
        if (!when.fileAt.empty() && !targets.files.Exists(when.fileAt)) return false;
        if (!when.nothingAt.empty() && targets.files.Exists(when.nothingAt)) return false;
        return true;
    }

    static StepResult Outcome(bool worked) { return worked ? StepResult::Done : StepResult::Failed; }

    StepResult Run(const SetValue& step) {
        const auto& where = step.where;
        if (targets.registry.Query(where.root, where.path, where.name).value == step.value) {
            // Written again all the same: the value may be about to change under us.
            targets.registry.Set(where.root, where.path, where.name, step.value);
            return StepResult::Unchanged;
        }
        if (targets.registry.Set(where.root, where.path, where.name, step.value)) return StepResult::Done;
        if (!step.failure.empty()) {
            targets.prompts.ShowMessage(step.failure, kProgramTitle, MessageIcon::Error);
            applied.stopped = true;
        }
        return StepResult::Failed;
    }
    StepResult Run(const DeleteValue& step) {
        const auto& where = step.where;
        const QueriedValue now = targets.registry.Query(where.root, where.path, where.name);
        if (!now && !now.unreadable) return StepResult::Unchanged;
        return Outcome(targets.registry.Delete(where.root, where.path, where.name));
    }
    StepResult Run(const UnregisterFont& step) {
        const bool worked =
            std::any_of(step.names.begin(), step.names.end(), [&](const auto& name) { return targets.files.Unregister(name); });
        anyUnregistered = anyUnregistered || worked;
        // Nothing to unregister is the state asked for, not a failure.
        return worked ? StepResult::Done : StepResult::Unchanged;
    }
    StepResult Run(const RegisterFont& step) { return Outcome(targets.files.Register(step.path)); }
    StepResult Run(const BroadcastFontChange&) {
        targets.files.BroadcastFontChange();
        return StepResult::Done;
    }
    StepResult Run(const MoveFile& step) {
        const bool there = targets.files.Exists(step.from);
        if (targets.files.Move(step.from, step.to)) return StepResult::Done;
        return there ? StepResult::Failed : StepResult::Unchanged;
    }
    StepResult Run(const CopyFile& step) { return Outcome(targets.files.Copy(step.from, step.to)); }
    StepResult Run(const DeleteFile& step) {
        if (!targets.files.Exists(step.path)) {
            // Tried all the same: the path may hold what Exists does not see.
            targets.files.Delete(step.path);
            return StepResult::Unchanged;
        }
        return Outcome(targets.files.Delete(step.path));
    }
    StepResult Run(const ShowMessage& step) {
        targets.prompts.ShowMessage(step.text, step.title, step.icon);
        return StepResult::Done;
    }
    StepResult Run(const AskYesNo& step) {
        if (targets.questions.Answer(step)) answeredYes.push_back(step.question);
        return StepResult::Done;
    }
    StepResult Run(const ReportOutcome& step) {
        if (targets.changesMade) targets.changesMade();
        std::vector<FaceAfter> after;
        for (const VrindaFace& face : step.faces) {
            FaceAfter now;
            now.fileInFolder = !face.fontFile.empty() && targets.files.Exists(face.fontFile);
            now.backupIsFile = !face.backup.empty() && targets.files.Exists(face.backup);
            now.registered = !mRegistry::ReadRegistryText(targets.registry, RegistryRoot::LocalMachine,
                                                          SubstituteSettings::kFontsPath, face.valueName)
                                  .empty();
            after.push_back(now);
        }
        std::wstring text = DescribeOutcome(step, after);
        const std::wstring profiles = DescribeProfilesLeftAlone(applied.profilesLeftAlone,
                                                                step.of == ReportOutcome::Of::Removal, targets.console);
        if (!profiles.empty()) text += (text.empty() ? L"" : L"\r\n\r\n") + profiles;
        if (!text.empty()) targets.prompts.ShowMessage(text, kProgramTitle, MessageIcon::Warning);
        return StepResult::Done;
    }
    StepResult Run(const EditBrowserFonts& step) {
        const ProfileEditOutcome outcome = EditBrowserProfile(targets.profiles, step);
        switch (outcome.result) {
        case ProfileEditOutcome::Result::Done: return StepResult::Done;
        case ProfileEditOutcome::Result::Unchanged: return StepResult::Unchanged;
        case ProfileEditOutcome::Result::LeftAlone: break;
        }
        applied.profilesLeftAlone.push_back({step.profile, outcome.problem});
        return StepResult::Failed;
    }
    StepResult Run(const OfferRestart& step) {
        applied.restartOffered = true;
        if (targets.restart.Offer(step.text)) return StepResult::Done;
        targets.prompts.ShowMessage(L"Windows could not show its restart prompt. Restart Windows yourself to apply "
                                    L"the change.",
                                    kProgramTitle, MessageIcon::Information);
        return StepResult::Failed;
    }
};

}  // namespace

bool AppliedPlan::Changed() const {
    return std::find(results.begin(), results.end(), StepResult::Done) != results.end();
}

bool AppliedPlan::Refused() const {
    return std::find(results.begin(), results.end(), StepResult::Refused) != results.end();
}

int AppliedPlan::FirstFailure() const {
    const auto failed = std::find(results.begin(), results.end(), StepResult::Failed);
    return failed == results.end() ? -1 : static_cast<int>(failed - results.begin());
}

AppliedPlan ApplyPlan(const Plan& steps, PlanTargets targets) {
    AppliedPlan applied;
    Applier applier{targets, applied, false, {}};
    for (const Step& step : steps) {
        if (step.unreadable) {
            applied.results.push_back(StepResult::Refused);
            continue;
        }
        if (applied.stopped || !applier.Holds(step.when)) {
            applied.results.push_back(StepResult::Skipped);
            continue;
        }
        StepResult result = std::visit([&](const auto& action) { return applier.Run(action); }, step.action);
        // Messages and prompts change nothing on the system.
        if (result == StepResult::Done && !IsChange(step.action)) result = StepResult::Unchanged;
        applied.results.push_back(result);
    }
    return applied;
}
