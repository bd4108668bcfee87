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

private:
    ConsolePrompts& prompts_;
    bool reinstallVrinda_;
};
