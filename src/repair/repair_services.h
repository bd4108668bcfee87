#pragma once

#include "common/windows_version.h"

class FontCatalog;
class FontFiles;
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
};
