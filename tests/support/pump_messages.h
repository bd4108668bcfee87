#pragma once

#include <windows.h>

// Handles whatever the test's own windows have queued. A quit posted by a
// destroyed main window is dropped: the test runner is not ending.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
