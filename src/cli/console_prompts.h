#pragma once

#include <string>
#include <vector>

#include "common/prompts.h"

class ConsoleOutput;

// The answer the command line gives a question, and the words that say why.
struct ConsoleAnswer {
    bool yes = false;
    std::wstring why;
};

// A question of a plan with the answer decided for it before the plan runs.
struct PlannedAnswer {
    std::wstring question;
    ConsoleAnswer answer;
};

// The window's boxes as console lines: information to standard output,
// warnings and errors to standard error, each question with its answer.
// Nobody is there to answer, so every answer was decided beforehand.
class ConsolePrompts final : public Prompts {
public:
    explicit ConsolePrompts(ConsoleOutput& out) : out_(out) {}

    void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) override;
    bool AskYesNo(std::wstring_view text, std::wstring_view title) override;

    // Every question gets this answer (the typed-face checks).
    void AnswerEveryQuestion(ConsoleAnswer answer);
    // Each question of a plan gets the answer decided for its step; any
    // other question gets No.
    void AnswerPlannedQuestions(std::vector<PlannedAnswer> answers);

private:
    ConsoleOutput& out_;
    ConsoleAnswer every_;
    std::vector<PlannedAnswer> planned_;
    bool byPlan_ = false;
};
