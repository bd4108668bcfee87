#pragma once

#include "cli/console_prompts.h"
#include "repair/plan_questions.h"

// The console's answer to each question of a plan, by what it asks: the
// offer to copy a Vrinda face back from its backup is answered by
// --reinstall-vrinda, so that the console never agrees to what its command
// line did not ask for.
class ConsoleQuestions final : public PlanQuestions {
public:
    ConsoleQuestions(ConsolePrompts& prompts, bool reinstallVrinda)
        : prompts_(prompts), reinstallVrinda_(reinstallVrinda) {}

    bool Answer(const plan::AskYesNo& question) override;
    // The answer Answer will give, told to nobody.
    bool SaysYes(const plan::Question& question) const;

private:
    ConsolePrompts& prompts_;
    bool reinstallVrinda_;
};

// The steps of a plan that this run would carry out, given the answers it
// will give: those that change nothing, or wait for a Yes the console will
// not give, are left out; a refused one stays, to be shown as refused.
plan::Plan StepsThisRunTakes(const plan::Plan& steps, const ConsoleQuestions& questions);
