#pragma once

#include <string>

#include "repair/plan.h"

// A step in a few words for a log line, such as "set
// HKEY_LOCAL_MACHINE\...\FontSubstitutes\Vrinda" or "move A to B".
std::wstring DescribeStep(const plan::Action& action);
