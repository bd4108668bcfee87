#include "repair/describe_refusals.h"

#include <algorithm>

#include "repair/render_plan.h"

std::vector<std::wstring> DescribeRefusals(const plan::Plan& steps) {
    std::vector<plan::ValueRef> values;
    for (const plan::Step& step : steps)
        if (step.unreadable && std::find(values.begin(), values.end(), *step.unreadable) == values.end())
            values.push_back(*step.unreadable);

    std::vector<std::wstring> sentences;
    for (const plan::ValueRef& value : values) {
        std::wstring refused;
        for (const plan::Step& step : steps)
            if (step.unreadable == value) refused += (refused.empty() ? L"" : L" or ") + DescribeStep(step.action);
        sentences.push_back(ValuePath(value) +
                            L" could not be read, so Glyphor left it and what depends on it alone: it did not " +
                            refused + L".");
    }
    return sentences;
}
