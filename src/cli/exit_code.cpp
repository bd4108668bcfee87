#include "cli/exit_code.h"

#include <algorithm>
#include <string>

namespace {

bool IsProtectedFile(const std::wstring& path, const std::vector<VrindaFace>& faces) {
    return std::any_of(faces.begin(), faces.end(),
                       [&](const VrindaFace& face) { return face.fileProtected && face.fontFile == path; });
}

bool ExpectedRefusal(const plan::Action& action, const std::vector<VrindaFace>& faces) {
    if (std::holds_alternative<plan::EditBrowserFonts>(action)) return true;
    if (const auto* move = std::get_if<plan::MoveFile>(&action)) return IsProtectedFile(move->from, faces);
    if (const auto* remove = std::get_if<plan::DeleteFile>(&action)) return IsProtectedFile(remove->path, faces);
    return false;
}

}  // namespace

std::optional<std::size_t> FindFailingStep(const plan::Plan& steps, const AppliedPlan& applied,
                                       const std::vector<VrindaFace>& faces) {
    const auto& results = applied.results;
    if (applied.stopped) {
        const auto last = std::find(results.rbegin(), results.rend(), StepResult::Failed);
        if (last != results.rend()) return static_cast<std::size_t>(results.rend() - last - 1);
    }
    for (std::size_t i = 0; i < results.size() && i < steps.size(); ++i)
        if (results[i] == StepResult::Failed && !ExpectedRefusal(steps[i].action, faces)) return i;
    return std::nullopt;
}

ExitCode MapExitCode(const AppliedPlan& applied, std::optional<std::size_t> failing) {
    if (failing || applied.stopped || applied.Refused()) return ExitCode::Failed;
    const auto& left = applied.profilesLeftAlone;
    const auto open = [](const ProfileLeftAlone& each) { return each.problem == plan::ProfileProblem::Open; };
    if (!std::all_of(left.begin(), left.end(), open)) return ExitCode::Failed;
    if (!left.empty()) return ExitCode::BrowserOpen;
    return applied.Changed() ? ExitCode::RestartNeeded : ExitCode::Done;
}

ExitCode MapExpectCode(const ExpectFindings& findings) {
    if (findings.allShown && !findings.browsersShort) return ExitCode::Done;
    if (findings.unanswered) return ExitCode::NotMeasured;
    if (findings.browsersShort) return ExitCode::Failed;
    return findings.fixWaiting ? ExitCode::RestartNeeded : ExitCode::Failed;
}
