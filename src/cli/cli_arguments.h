#pragma once

#include <optional>
#include <span>
#include <string>

enum class CliCommand { Help, Version, List, Status, Fix, Restore, Export };

// A command line the console program understood.
struct CliArguments {
    CliCommand command = CliCommand::Help;
    std::wstring face;  // fix: exactly as typed, blanks included
    std::wstring file;  // export
    bool json = false;
    bool internetExplorer = false;  // --ie
    bool smoothing = false;
    bool dryRun = false;
    bool force = false;            // the typed-face checks say Yes
    bool reinstallVrinda = false;  // Restore copies backups back
    bool link = false;             // fix: also link the face into the interface fonts
    bool all = false;              // list: every family with Bengali letters
    bool browsers = false;         // fix: also the browsers' Bengali fonts; status --expect: also required there
    bool allUsers = false;         // every person's browser profiles on the machine, not only this user's
    std::optional<std::wstring> expected;  // status --expect: the face every reachable path must show
};

struct ParsedArguments {
    std::optional<CliArguments> arguments;
    std::wstring reason;  // one line, when the arguments were not understood
};

// The arguments after the program's name. Commands and options are matched
// without regard to case, as Windows programs do; "--" ends the options, so
// that a face may begin with a dash. --help and --version win over all else.
ParsedArguments ParseCliArguments(std::span<const std::wstring> arguments);
