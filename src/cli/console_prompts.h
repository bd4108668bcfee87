#pragma once

#include <string>

#include "common/prompts.h"

class ConsoleOutput;

// The answer the command line gives a question, and the words that say why.
struct ConsoleAnswer {
    bool yes = false;
    std::wstring why;
};

// The window's boxes as console lines: information to standard output,
// warnings and errors to standard error, each question with its answer.
// Nobody is there to answer, so every answer was decided beforehand.
class ConsolePrompts final : public Prompts {
public:
    explicit ConsolePrompts(ConsoleOutput& out) : out_(out) {}

    void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) override;
    bool AskYesNo(std::wstring_view text, std::wstring_view title) override;

    // Every question put through AskYesNo gets this answer (the typed-face checks).
    void AnswerEveryQuestion(ConsoleAnswer answer);
    // Writes the question with the answer given to it, and returns the answer.
    bool Tell(std::wstring_view question, const ConsoleAnswer& answer);

private:
    ConsoleOutput& out_;
    ConsoleAnswer every_;
};
