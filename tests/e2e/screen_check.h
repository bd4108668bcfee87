#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "screen_capture.h"

// Checks of what the display shows, which give evidence when they fail.
namespace driver {

// What a capture is checked for, in words for the failure message, and the
// test itself, which may add what it measured to the message.
struct ScreenExpectation {
    std::string expected;
    std::function<bool(const ScreenImage&, std::string& measured)> holds;
};

// Captures the area (asked again at each try, as a window may move) until
// the expectation holds, and gives the last capture back in seen. When the
// time runs out, that capture is kept among the run's artefacts as
// "Suite.Test-what.bmp", the whole screen beside it as
// "Suite.Test-what-whole-screen.bmp", and the failure says what was
// expected, what was measured and where the pictures are.
::testing::AssertionResult WaitForScreen(const std::function<RECT()>& area, const ScreenExpectation& expectation,
                                         const std::wstring& what, std::chrono::milliseconds timeout,
                                         ScreenImage* seen = nullptr);

// The artefact path of a picture named after the running test and what.
std::wstring EvidencePath(const std::wstring& what);

}  // namespace driver
