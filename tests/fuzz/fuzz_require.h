#pragma once

#include <cstdlib>

// A property of the code under fuzzing that failed: the fuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) std::abort();
}
