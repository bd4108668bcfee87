#pragma once

#include <vector>

#include "browsers/find_browser_profiles.h"
#include "common/windows_version.h"

class FontCatalog;
class FontFiles;
class ProfileFiles;
class Prompts;
class Registry;
class RestartPrompt;

// Everything the fix and the restore read, change and ask through.
struct RepairServices {
    Registry& registry;
    FontFiles& files;
    FontCatalog& fonts;
    Prompts& prompts;
    RestartPrompt& restart;
    WindowsVersion version;
    ProfileFiles& profiles;
    std::vector<UserFolders> users;  // whose browser profiles the fix and the restore reach
};
