#pragma once

#include "common/prompts.h"
#include "repair/plan.h"

// Who answers a plan's questions: the window puts each to the user, the
// console answers from its command line by what the question asks.
class PlanQuestions {
public:
    virtual ~PlanQuestions() = default;
    virtual bool Answer(const plan::AskYesNo& question) = 0;
};

// The user answers, in a box.
class AskingUser final : public PlanQuestions {
public:
    explicit AskingUser(Prompts& prompts) : prompts_(prompts) {}
    bool Answer(const plan::AskYesNo& question) override { return prompts_.AskYesNo(question.text, question.title); }

private:
    Prompts& prompts_;
};
