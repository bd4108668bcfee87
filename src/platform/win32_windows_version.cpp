#include "platform/win32_windows_version.h"

#include <windows.h>

WindowsVersion ReadWindowsVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return {};
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}
