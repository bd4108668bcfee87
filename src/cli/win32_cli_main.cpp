#include <windows.h>

#include <string>
#include <vector>

#include "browsers/win32_profile_files.h"
#include "browsers/win32_user_folders.h"
#include "cli/run_cli.h"
#include "cli/win32_console_output.h"
#include "cli/win32_console_system.h"
#include "fonts/win32_font_catalog.h"
#include "platform/win32_font_files.h"
#include "platform/win32_registry.h"
#include "platform/win32_windows_version.h"
#include "probe/win32_font_drawing.h"

int wmain(int argc, wchar_t** argv) {
    // Run elevated by deployment engines: never load a DLL from the current directory.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    const std::vector<std::wstring> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    Win32Registry registry;
    Win32FontFiles files;
    Win32FontCatalog fonts;
    Win32ConsoleSystem system;
    Win32ConsoleOutput out;
    Win32FontDrawing drawing;
    Win32ProfileFiles profiles;
    return RunCli(arguments, {registry, files, fonts, system, out, drawing, ReadWindowsVersion(), profiles,
                              ReadCurrentUserFolders(), ReadAllUserFolders(registry)});
}
