#pragma once

#include <windows.h>

#include "cli/console_output.h"

// Standard output and error as Windows hands them over: UTF-16 through
// WriteConsoleW on a real console, UTF-8 bytes into a pipe or a file (where
// GetConsoleMode fails), so a Bengali face name survives both.
class Win32ConsoleOutput final : public ConsoleOutput {
public:
    // The process's standard handles, borrowed, never closed.
    Win32ConsoleOutput();
    Win32ConsoleOutput(HANDLE out, HANDLE error) : out_(out), error_(error) {}

    void Write(ConsoleStream stream, std::wstring_view text) override;

private:
    HANDLE out_;
    HANDLE error_;
};
