#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/unique_handle.h"

// Runs glyphor-cli.exe from the build tree the way a script or a deployment
// engine does: standard output and error into pipes, the exit code read.
namespace driver {

struct ConsoleRun {
    std::optional<DWORD> code;  // nothing when it did not end in time
    std::string out;            // the bytes as written
    std::string error;
};

// Each argument quoted; none may hold a quote or end in a backslash.
std::wstring CommandLine(const std::wstring& exe, const std::vector<std::wstring>& arguments);

ConsoleRun RunConsole(const std::vector<std::wstring>& arguments, std::chrono::milliseconds timeout = std::chrono::seconds(60));

// A console run whose standard output nobody reads until Finish: its first
// line blocks it in the middle of the run, holding whatever it holds there.
class StalledConsole {
public:
    explicit StalledConsole(const std::vector<std::wstring>& arguments);
    StalledConsole(const StalledConsole&) = delete;
    StalledConsole& operator=(const StalledConsole&) = delete;
    ~StalledConsole();

    bool Running() const;
    // Reads what it wrote and waits for its end.
    ConsoleRun Finish();

private:
    unique_handle process_;
    unique_handle out_;
};

// UTF-8 bytes of a wide text, to look for in what the program wrote.
std::string ToUtf8(const std::wstring& text);

}  // namespace driver
