#pragma once

#include <functional>
#include <vector>

#include "repair/describe_profiles_left_alone.h"
#include "repair/plan.h"

class FontFiles;
class PlanQuestions;
class ProfileFiles;
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
    ProfileFiles& profiles;
    // Runs once the plan's changes are made, just before it checks what was
    // done: where the window shows the new default font.
    std::function<void()> changesMade = {};
    // The console's words for what the user is to do, where the window's name its buttons.
    bool console = false;
};

enum class StepResult {
    Done,       // it changed what it was meant to change
    Unchanged,  // it ran, and the value or file already was as asked
    Failed,
    Skipped,    // its conditions did not hold, or an earlier step stopped the plan
    Refused,    // never tried: it depends on a value that could not be read
};

struct AppliedPlan {
    std::vector<StepResult> results;  // one for each step
    bool stopped = false;             // a step's failure ended the plan
    bool restartOffered = false;
    std::vector<ProfileLeftAlone> profilesLeftAlone;  // in the order of their steps

    // Something on the system was changed, so a restart is needed to apply it.
    bool Changed() const;
    // A change that was to be made was not: the first such step, or -1.
    int FirstFailure() const;
    // A step was refused (see plan::Step::unreadable).
    bool Refused() const;
};

// Runs the steps in order. A refused step is passed over untried, and a
// failed one too, except a SetValue with a failure text: that text is shown
// and the plan ends there. A browser
// profile left alone fails its step and is named in the outcome's box.
AppliedPlan ApplyPlan(const plan::Plan& steps, PlanTargets targets);
