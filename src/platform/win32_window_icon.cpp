#include "platform/win32_window_icon.h"

namespace mMain {
namespace {

// Shared icons belong to the system and come back as the same handle on
// every load, so none is ever destroyed here.
HICON LoadSharedIcon(const wchar_t* name, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

void SendIcon(HWND window, HWND owner, WPARAM size, HICON icon) {
    // A window that owns itself needs the icon once; each one costs a round
    // trip to the window manager.
    if (owner && owner != window) SendMessageW(owner, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void SetWindowIcon(HWND window, const wchar_t* name, bool includeOwner) {
    HWND owner = nullptr;
    if (includeOwner) {
        owner = window;
        while (HWND next = GetWindow(owner, GW_OWNER)) owner = next;
    }
    SendIcon(window, owner, ICON_BIG, LoadSharedIcon(name, SM_CXICON, SM_CYICON));
    SendIcon(window, owner, ICON_SMALL, LoadSharedIcon(name, SM_CXSMICON, SM_CYSMICON));
}

}  // namespace mMain
