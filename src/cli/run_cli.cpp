#include "cli/run_cli.h"

#include <algorithm>

#include "cli/all_bengali_families.h"
#include "cli/cli_arguments.h"
#include "cli/cli_usage.h"
#include "cli/console_output.h"
#include "cli/console_prompts.h"
#include "cli/console_system.h"
#include "cli/exit_code.h"
#include "cli/export_rows.h"
#include "cli/format_browser_fonts.h"
#include "cli/format_status.h"
#include "cli/json_writer.h"
#include "cli/plan_answers.h"
#include "cli/recorded_restart.h"
#include "cli/system_status.h"
#include "cli/text_encoding.h"
#include "common/identity.h"
#include "common/text.h"
#include "repair/apply_plan.h"
#include "repair/fix_default_font.h"
#include "repair/render_plan.h"
#include "repair/refresh_default_font.h"
#include "repair/restore_default_font.h"
#include "repair/run_repair.h"

namespace {

int Code(ExitCode code) { return static_cast<int>(code); }

std::wstring DescribePath(PathMissing::Path path) {
    return path == PathMissing::Path::InterfaceText ? L"interface text" : L"text that asks for Vrinda";
}

class CliRun {
public:
    CliRun(const CliArguments& arguments, CliServices& services) : a_(arguments), s_(services) {}

    int List() {
        const std::vector<std::wstring> families = s_.system.BengaliFamilies();
        if (a_.all) return ListAll(families);
        if (a_.json) {
            JsonWriter json;
            json.BeginArray();
            for (const std::wstring& family : families) json.String(family);
            Out(json.EndArray().Text());
        } else {
            for (const std::wstring& family : families) Out(family + L"\n");
        }
        return Code(ExitCode::Done);
    }

    int ListAll(const std::vector<std::wstring>& listed) {
        const auto marked = MarkBengaliFamilies(s_.system.InstalledFamilies(), s_.fonts, listed);
        if (a_.json) {
            JsonWriter json;
            json.BeginArray();
            for (const MarkedFamily& each : marked) {
                json.BeginObject();
                json.Key(L"family").String(each.family);
                json.Key(L"listed").Bool(each.listed);
                json.EndObject();
            }
            Out(json.EndArray().Text());
        } else {
            for (const MarkedFamily& each : marked)
                Out(each.family + (each.listed ? L"\tlisted\n" : L"\tnot listed\n"));
        }
        return Code(ExitCode::Done);
    }

    int Status() {
        SystemStatus status = ObserveStatus(s_.registry, s_.files, s_.version, s_.system.IsAdministrator(),
                                            s_.system.IsElevatedAdministrator());
        status.drawn = ProbeDrawnFonts(s_.drawing, s_.registry, s_.fonts, s_.version);
        status.browsers = ObserveBrowserProfiles(s_.profiles, s_.registry, Users(), ProfileReading::Fonts);
        Out(a_.json ? FormatStatusJson(status) : FormatStatusText(status));
        if (!a_.expected) return Code(ExitCode::Done);
        const std::wstring& face = *a_.expected;
        ExpectFindings findings;
        const std::vector<PathMissing> missing = FindPathsMissing(status.drawn, face, s_.version);
        for (const PathMissing& path : missing) {
            Error(L"Not " + face + L": " + DescribePath(path.path) + L" shows " +
                  (path.shown ? *path.shown : L"no family Windows could name") + L".\n");
            findings.unanswered = findings.unanswered || !path.shown;
        }
        findings.allShown = missing.empty();
        if (a_.browsers) {
            for (const ObservedProfile& seen : status.browsers) {
                if (NamesFace(seen, face, FaceMatch::IgnoringCase)) continue;
                Error(L"Not " + face + L": " + NameProfile(seen.profile) + L".\n");
                findings.browsersShort = true;
            }
        }
        findings.fixWaiting = ClassifyDefaultFont(status) == DefaultFontState::Substituted &&
                              SameFaceName(*status.substitute, face);
        if (findings.unanswered) Error(L"Glyphor could not measure what draws Bengali, so it cannot tell.\n");
        else if (findings.fixWaiting && !findings.allShown && !findings.browsersShort)
            Error(L"The fix for " + face + L" is in place and shows once Windows has restarted.\n");
        return Code(MapExpectCode(findings));
    }

    int Export() {
        const auto [rows, unreadable] = ReadExportRows(s_.registry, FindVrindaFaces(s_.registry, s_.files));
        if (unreadable) {
            Error(L"Error: " + ValuePath(*unreadable) + L" could not be read, and a backup without it would delete it; " + a_.file + L" was not written.\n");
            return Code(ExitCode::Failed);
        }
        if (!s_.system.WriteFile(a_.file, EncodeUtf16LeWithBom(RenderRegFile(rows)))) {
            Error(L"Error: " + a_.file + L" could not be written.\n");
            return Code(ExitCode::Failed);
        }
        Out(L"Saved " + std::to_wstring(rows.size()) + L" values to " + a_.file +
            L"; import it with regedit to put them back.\n");
        return Code(ExitCode::Done);
    }

    int Repair() {
        if (!a_.dryRun) {
            if (!s_.system.IsElevatedAdministrator()) {
                Error(L"Error: changing the default font needs an elevated administrator; run glyphor-cli from an "
                      L"elevated prompt or as the system account.\n");
                return Code(ExitCode::AccessDenied);
            }
            if (s_.system.AnotherRunHoldsGuard()) {
                Error(L"Error: Glyphor is already running. Close its window, or wait for the other run to end, "
                      L"then try again.\n");
                return Code(ExitCode::Failed);
            }
        }

        ConsolePrompts prompts(s_.out);
        RecordedRestart restart;
        const RepairServices services{s_.registry, s_.files, s_.fonts, prompts, restart, s_.version, s_.profiles, Users()};
        ConsoleQuestions questions(prompts, a_.reinstallVrinda);
        std::optional<RepairRun> run;
        if (a_.command == CliCommand::Fix) {
            // What the window shows in lblDefFont after a fix, at the same point of the run.
            const FrontEnd front{questions, [&] { Out(DefaultFontCaption(s_.registry) + L"\n"); }, !a_.dryRun, true};
            prompts.AnswerEveryQuestion(a_.force ? ConsoleAnswer{true, L"--force was given"}
                                                 : ConsoleAnswer{false, L"give --force to go ahead all the same"});
            run = RunFix(services, {a_.face, a_.internetExplorer, a_.smoothing, a_.link, a_.browsers}, front,
                         [&] { return MeasureInterfaceFamily(s_.drawing, s_.registry, s_.fonts, s_.version); });
            if (!run) {
                Error(L"Nothing was changed.\n");
                return Code(ExitCode::Failed);
            }
        } else {
            run = RunRestore(services, {a_.internetExplorer}, {questions, {}, !a_.dryRun, true});
        }
        const plan::Plan& steps = run->steps;

        if (a_.dryRun) {
            const plan::Plan taken = StepsThisRunTakes(steps, questions);
            if (std::none_of(taken.begin(), taken.end(), [](const plan::Step& step) { return plan::IsChange(step.action); }))
                Out(L"Nothing to change: everything already is as asked.\n");
            else
                Out(RenderPlan(taken));
            const bool refused =
                std::any_of(steps.begin(), steps.end(), [](const plan::Step& step) { return step.unreadable; });
            return Code(refused ? ExitCode::Failed : ExitCode::Done);
        }

        const AppliedPlan& applied = run->applied;
        const auto failing = FindFailingStep(steps, applied, run->faces);
        const ExitCode code = MapExitCode(applied, failing);
        if (code == ExitCode::Failed && !failing && !applied.stopped) {
            // Only refused steps, named before the run, or browser profiles, named in the outcome's warning.
        } else if (code == ExitCode::Failed) {
            const std::wstring what = failing ? DescribeStep(steps[*failing].action) : L"an unnamed step";
            Error(L"Error: failed at step " + std::to_wstring(failing.value_or(0) + 1) + L" of " +
                  std::to_wstring(steps.size()) + L": " + what + L"\n");
        } else if (code == ExitCode::BrowserOpen) {
            // The outcome's warning has named each browser that was open.
            if (applied.Changed()) Out(restart.text + L"Restart Windows to apply the change.\n");
        } else if (code == ExitCode::RestartNeeded) {
            Out(restart.text + L"Restart Windows to apply the change.\n");
        } else {
            Out(L"Nothing to change: everything already is as asked.\n");
        }
        return Code(code);
    }

private:
    std::vector<UserFolders> Users() const { return a_.allUsers ? s_.allUsers : std::vector<UserFolders>{s_.currentUser}; }
    void Out(const std::wstring& text) { s_.out.Write(ConsoleStream::Out, text); }
    void Error(const std::wstring& text) { s_.out.Write(ConsoleStream::Error, text); }

    const CliArguments& a_;
    CliServices& s_;
};

}  // namespace

int RunCli(std::span<const std::wstring> arguments, CliServices services) {
    const ParsedArguments parsed = ParseCliArguments(arguments);
    if (!parsed.arguments) {
        services.out.Write(ConsoleStream::Error, L"glyphor-cli: " + parsed.reason + L"\n\n" + std::wstring(kCliUsage));
        return Code(ExitCode::Usage);
    }
    CliRun run(*parsed.arguments, services);
    switch (parsed.arguments->command) {
    case CliCommand::Help: services.out.Write(ConsoleStream::Out, kCliUsage); return Code(ExitCode::Done);
    case CliCommand::Version:
        services.out.Write(ConsoleStream::Out, L"glyphor-cli " GLYPHOR_VERSION L"\n");
        return Code(ExitCode::Done);
    case CliCommand::List: return run.List();
    case CliCommand::Status: return run.Status();
    case CliCommand::Export: return run.Export();
    case CliCommand::Fix:
    case CliCommand::Restore: return run.Repair();
    }
    return Code(ExitCode::Usage);
}
