#pragma once

#include <vector>

#include "repair/plan.h"

#include <functional>

class FontFiles;
class PlanQuestions;
class Prompts;
class Registry;
class RestartPrompt;

// What a plan is carried out against.
struct PlanTargets {
    Registry& registry;
    FontFiles& files;
    Prompts& prompts;
    PlanQuestions& questions;
    RestartPrompt& restart;
    // Runs once the plan's changes are made, just before it checks what was
    // done: where the window shows the new default font.
    std::function<void()> changesMade = {};
};

enum class StepResult {
    Done,       // it changed what it was meant to change
    Unchanged,  // it ran, and the value or file already was as asked
    Failed,
    Skipped,    // its conditions did not hold, or an earlier step stopped the plan
};

struct AppliedPlan {
    std::vector<StepResult> results;  // one for each step
    bool stopped = false;             // a step's failure ended the plan
    bool restartOffered = false;

    // Something on the system was changed, so a restart is needed to apply it.
    bool Changed() const;
    // A change that was to be made was not: the first such step, or -1.
    int FirstFailure() const;
};

// Runs the steps in order. A failed step is passed over, except a SetValue
// with a failure text: that text is shown and the plan ends there.
AppliedPlan ApplyPlan(const plan::Plan& steps, PlanTargets targets);
