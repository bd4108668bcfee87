#pragma once

#include <vector>

#include "repair/plan.h"

class Registry;

// The substitute settings' rows as they stand, for a plan to tell which of
// its writes would change anything.
std::vector<plan::ObservedValue> ObserveRows(Registry& registry);
