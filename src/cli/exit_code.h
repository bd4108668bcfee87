#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "repair/apply_plan.h"
#include "repair/plan.h"
#include "repair/vrinda_faces.h"

// The codes deployment engines read: 3010 is ERROR_SUCCESS_REBOOT_REQUIRED,
// which they take as "installed, restart needed"; 5 is ERROR_ACCESS_DENIED;
// 32 is ERROR_SHARING_VIOLATION: a browser held a profile, so run it again
// once the browser is closed.
enum class ExitCode : int {
    Done = 0,
    Failed = 1,
    Usage = 2,
    NotMeasured = 4,
    AccessDenied = 5,
    BrowserOpen = 32,
    RestartNeeded = 3010,
};

// The step that kept the run from being done: the one that stopped the plan,
// else the first that failed. A move or delete of a file that Windows
// protects is passed over: it fails on every Windows since Vista, and the
// emptied registration takes the face out of service all the same.
std::optional<std::size_t> FindFailingStep(const plan::Plan& steps, const AppliedPlan& applied,
                                       const std::vector<VrindaFace>& faces);

// Failed when a step failed or was refused, or a browser profile could not
// be edited, else
// BrowserOpen when a running browser kept one from it, else RestartNeeded
// when anything changed, else Done: a run that finds everything as asked
// exits 0. A profile's step is passed over by FindFailingStep: its own
// outcome says what became of it; and a refused step fails nothing there,
// named as it was before the plan ran.
ExitCode MapExitCode(const AppliedPlan& applied, std::optional<std::size_t> failing);

// What `status --expect` tells a deployment engine, from what the probe and
// the registry showed.
struct ExpectFindings {
    bool allShown = false;     // every path a fix reaches draws the face
    bool unanswered = false;   // a path gave no answer
    bool browsersShort = false;  // --browsers: a profile does not name the face
    bool fixWaiting = false;   // the fix for the face is in place, shown from the next start
};
// Done when every path shows the face; NotMeasured when a path could not be
// measured; RestartNeeded when the fix waits for the restart that shows it;
// Failed otherwise. A browser profile that lacks the face fails whatever
// a restart will show.
ExitCode MapExpectCode(const ExpectFindings& findings);
