#pragma once

#include <string>
#include <vector>

#include "repair/plan.h"

struct ProfileLeftAlone {
    BrowserProfile profile;
    plan::ProfileProblem problem = plan::ProfileProblem::None;
};

// What the user needs to know of the profiles a fix or a restore left as
// they were: one sentence for each browser that was open, and one for each
// other profile. The console's sentences say to run it again where the
// window's say to press the button again. Empty when none was left alone.
std::wstring DescribeProfilesLeftAlone(const std::vector<ProfileLeftAlone>& left, bool fix, bool console);
