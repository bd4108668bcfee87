#pragma once

#include <string>
#include <vector>

#include "repair/plan.h"

// What a plan refuses, one sentence for each value that could not be read,
// in the order the plan first meets them, each naming the value and the
// steps that depend on it: "HKEY_LOCAL_MACHINE\...\FontSubstitutes [Vrinda]
// could not be read, so Glyphor left it and what depends on it alone: it
// did not set HKEY_LOCAL_MACHINE\...\FontSubstitutes [Vrinda]." Nothing
// when no step is refused.
std::vector<std::wstring> DescribeRefusals(const plan::Plan& steps);
