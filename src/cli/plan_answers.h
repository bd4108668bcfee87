#pragma once

#include <vector>

#include "cli/console_prompts.h"
#include "repair/plan.h"

// The answer to each question of a plan, told apart by what a Yes lets the
// plan do next: a question whose Yes copies a file back is the offer to
// reinstall a Vrinda face from its backup, answered by --reinstall-vrinda.
// Any other question is answered No, so that the console never agrees to
// what its command line did not ask for.
std::vector<PlannedAnswer> DecidePlannedAnswers(const plan::Plan& steps, bool reinstallVrinda);
