#include "cli/plan_answers.h"

std::vector<PlannedAnswer> DecidePlannedAnswers(const plan::Plan& steps, bool reinstallVrinda) {
    std::vector<PlannedAnswer> answers;
    for (auto step = steps.begin(); step != steps.end(); ++step) {
        const auto* question = std::get_if<plan::AskYesNo>(&step->action);
        if (!question) continue;
        bool copiesBack = false;
        for (auto next = step + 1; next != steps.end() && !std::holds_alternative<plan::AskYesNo>(next->action); ++next)
            copiesBack = copiesBack || (next->when.answeredYes && std::holds_alternative<plan::CopyFile>(next->action));
        ConsoleAnswer answer{false, L"the console answers No to it"};
        if (copiesBack)
            answer = reinstallVrinda ? ConsoleAnswer{true, L"--reinstall-vrinda was given"}
                                     : ConsoleAnswer{false, L"give --reinstall-vrinda to copy the backup back"};
        answers.push_back({question->text, std::move(answer)});
    }
    return answers;
}
