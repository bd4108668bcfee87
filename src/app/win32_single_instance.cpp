#include "app/win32_single_instance.h"

bool SingleInstance::AnotherInstanceRunning() {
    mutex_.reset(CreateMutexW(nullptr, FALSE, L"Local\\Orrinel.Glyphor.SingleInstance"));
    const DWORD error = GetLastError();
    // Access denied means the mutex exists but belongs to someone else's run.
    return error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
}
