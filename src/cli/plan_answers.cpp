#include "cli/plan_answers.h"

bool ConsoleQuestions::SaysYes(const plan::Question& question) const {
    switch (question.asks) {
    case plan::Question::Asks::CopyBackupBack: return reinstallVrinda_;
    }
    return false;
}

bool ConsoleQuestions::Answer(const plan::AskYesNo& question) {
    switch (question.question.asks) {
    case plan::Question::Asks::CopyBackupBack:
        return prompts_.Tell(question.text, SaysYes(question.question)
                                                ? ConsoleAnswer{true, L"--reinstall-vrinda was given"}
                                                : ConsoleAnswer{false, L"give --reinstall-vrinda to copy the backup back"});
    }
    return prompts_.Tell(question.text, {false, L"the console answers No to it"});
}

plan::Plan StepsThisRunTakes(const plan::Plan& steps, const ConsoleQuestions& questions) {
    plan::Plan taken;
    for (const plan::Step& step : steps) {
        if (!step.unreadable && plan::IsChange(step.action) && !step.changes) continue;
        if (step.when.yesTo && !questions.SaysYes(*step.when.yesTo)) continue;
        taken.push_back(step);
    }
    return taken;
}
