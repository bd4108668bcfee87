#include "platform/win32_single_instance.h"

bool SingleInstance::TakeGuard() {
    mutex_.reset(CreateMutexW(nullptr, FALSE, L"Global\\Orrinel.Glyphor.SingleInstance"));
    const DWORD error = GetLastError();
    // Access denied means the mutex exists but belongs to someone else's run,
    // such as a start-up script's under the system account.
    const bool heldElsewhere = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
    return !heldElsewhere;
}
