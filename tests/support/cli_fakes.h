#pragma once

#include <map>
#include <string>
#include <vector>

#include "cli/console_output.h"
#include "cli/console_system.h"
#include "cli/run_cli.h"
#include "probe_fakes.h"
#include "repair_fakes.h"

// Standard output and error, each as one text.
class FakeConsoleOutput final : public ConsoleOutput {
public:
    void Write(ConsoleStream stream, std::wstring_view text) override {
        (stream == ConsoleStream::Out ? out : error) += text;
    }
    std::wstring out;
    std::wstring error;
};

class FakeConsoleSystem final : public ConsoleSystem {
public:
    std::vector<std::wstring> BengaliFamilies() override { return families; }
    std::vector<std::wstring> InstalledFamilies() override { return installed; }
    bool IsAdministrator() override { return administrator; }
    bool IsElevatedAdministrator() override { return administrator && elevated; }
    bool AnotherRunHoldsGuard() override { return guardHeld; }
    bool WriteFile(std::wstring_view path, std::string_view bytes) override {
        if (refuseWrites) return false;
        written[std::wstring(path)] = std::string(bytes);
        return true;
    }

    std::vector<std::wstring> families;
    std::vector<std::wstring> installed;
    bool administrator = true;
    bool elevated = true;
    bool guardHeld = false;
    bool refuseWrites = false;
    std::map<std::wstring, std::string> written;
};

// The repair's fakes with a console around them: a command line in, an exit
// code and the two streams out.
struct CliRig : RepairRig {
    FakeConsoleOutput console;
    FakeConsoleSystem system;
    FakeFontDrawing drawing;

    int Command(std::vector<std::wstring> arguments) {
        console = {};
        return RunCli(arguments, {registry, files, fonts, system, console, drawing, version, profiles, user, {user}});
    }
};
