#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The middle of the measured values, or the mean of the middle two.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
