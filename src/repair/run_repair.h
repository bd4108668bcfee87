#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "repair/apply_plan.h"
#include "repair/fix_default_font.h"
#include "repair/restore_default_font.h"

class PlanQuestions;

// What a front end brings to a run: who answers the plan's questions, what
// it does once the changes are made, and whether the plan is carried out or
// only made.
struct FrontEnd {
    PlanQuestions& questions;
    std::function<void()> changesMade;
    bool apply = true;
    bool console = false;  // the console's words, not the window's
};

// One run of the fix or the restore as both programs make it: the system
// observed, the plan made from it, what it refuses said in one error box
// (made or carried out alike) and, when asked, the plan carried out.
struct RepairRun {
    plan::Plan steps;
    std::vector<VrindaFace> faces;  // as they stood before the plan
    AppliedPlan applied;            // empty when the plan was only made
};

// Measures what draws Bengali interface text now; empty when unknown.
using MeasureInterface = std::function<std::wstring()>;

// The typed face checked first, its questions put through services.prompts;
// nothing when it was refused or declined, and then nothing was changed.
// The measure is taken only where the fix's word on what it reaches needs
// it (Windows 8 and later), and only once the face has been accepted: it
// draws, and is not free.
std::optional<RepairRun> RunFix(const RepairServices& services, const FixChoices& choices, FrontEnd front,
                                const MeasureInterface& measure = {});
RepairRun RunRestore(const RepairServices& services, const RestoreChoices& choices, FrontEnd front);
