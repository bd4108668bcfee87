#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "repair/apply_plan.h"
#include "repair/plan.h"
#include "repair/vrinda_faces.h"

// The codes deployment engines read: 3010 is ERROR_SUCCESS_REBOOT_REQUIRED,
// which they take as "installed, restart needed"; 5 is ERROR_ACCESS_DENIED.
enum class ExitCode : int {
    Done = 0,
    Failed = 1,
    Usage = 2,
    AccessDenied = 5,
    RestartNeeded = 3010,
};

// The step that kept the run from being done: the one that stopped the plan,
// else the first that failed. A move or delete of a file that Windows
// protects is passed over: it fails on every Windows since Vista, and the
// emptied registration takes the face out of service all the same.
std::optional<std::size_t> FindFailingStep(const plan::Plan& steps, const AppliedPlan& applied,
                                       const std::vector<VrindaFace>& faces);

// Failed when a step failed, else RestartNeeded when anything changed, else
// Done: a run that finds everything as asked exits 0.
ExitCode MapExitCode(const AppliedPlan& applied, std::optional<std::size_t> failing);
