#pragma once

#include <windows.h>

#include <string>

// The first visible dialog box (a message box, the shell's restart prompt)
// of this process, waited for; null when none shows within the time.
inline HWND WaitForOwnDialog(DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND found = nullptr;
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                wchar_t cls[16] = {};
                GetClassNameW(window, cls, 16);
                if (pid != GetCurrentProcessId() || std::wstring(cls) != L"#32770" || !IsWindowVisible(window))
                    return TRUE;
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found || GetTickCount() - start > timeoutMs) return found;
        Sleep(25);
    }
}
