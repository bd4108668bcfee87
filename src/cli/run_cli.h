#pragma once

#include <span>
#include <string>

#include <vector>

#include "browsers/find_browser_profiles.h"
#include "common/windows_version.h"

class ConsoleOutput;
class ConsoleSystem;
class FontCatalog;
class FontDrawing;
class FontFiles;
class ProfileFiles;
class Registry;

// Everything a console run reads, changes and prints through.
struct CliServices {
    Registry& registry;
    FontFiles& files;
    FontCatalog& fonts;
    ConsoleSystem& system;
    ConsoleOutput& out;
    FontDrawing& drawing;
    WindowsVersion version;
    ProfileFiles& profiles;
    UserFolders currentUser;
    std::vector<UserFolders> allUsers;  // every person's, for --all-users
};

// Carries out one command line (the arguments after the program's name) and
// returns the process's exit code (see exit_code.h). Fix and restore run
// the same plans as the window's buttons and never restart the machine.
int RunCli(std::span<const std::wstring> arguments, CliServices services);
