#include "cli/console_prompts.h"

#include <algorithm>

#include "cli/console_output.h"

void ConsolePrompts::ShowMessage(std::wstring_view text, std::wstring_view, MessageIcon icon) {
    const std::wstring body(text);
    switch (icon) {
    case MessageIcon::Information: out_.Write(ConsoleStream::Out, body + L"\n"); break;
    case MessageIcon::Warning: out_.Write(ConsoleStream::Error, L"Warning: " + body + L"\n"); break;
    case MessageIcon::Error: out_.Write(ConsoleStream::Error, L"Error: " + body + L"\n"); break;
    }
}

bool ConsolePrompts::AskYesNo(std::wstring_view text, std::wstring_view) {
    ConsoleAnswer answer = every_;
    if (byPlan_) {
        const auto planned = std::find_if(planned_.begin(), planned_.end(),
                                          [&](const PlannedAnswer& p) { return p.question == text; });
        answer = planned == planned_.end() ? ConsoleAnswer{false, L"the console answers No to it"} : planned->answer;
    }
    out_.Write(ConsoleStream::Error, L"Question: " + std::wstring(text) + L"\n" + (answer.yes ? L"Yes" : L"No") +
                                         (answer.why.empty() ? L"" : L": " + answer.why) + L"\n");
    return answer.yes;
}

void ConsolePrompts::AnswerEveryQuestion(ConsoleAnswer answer) {
    every_ = std::move(answer);
    byPlan_ = false;
}

void ConsolePrompts::AnswerPlannedQuestions(std::vector<PlannedAnswer> answers) {
    planned_ = std::move(answers);
    byPlan_ = true;
}
