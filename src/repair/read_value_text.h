#pragma once

#include <optional>
#include <string>

#include "repair/plan.h"

class Registry;

// What a plan worked out from one or more values: the text, or the value
// that kept it from being known. A value that could not be read is named,
// never taken for a missing one.
struct ValueText {
    std::wstring text;
    std::optional<plan::ValueRef> unreadable;
};

// The value as text (see mRegistry::QueryValueText); empty when it is missing.
ValueText ReadValueText(Registry& registry, const plan::ValueRef& where);
