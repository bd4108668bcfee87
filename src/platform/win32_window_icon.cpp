#include "platform/win32_window_icon.h"

#include "platform/win32_dpi.h"

namespace mMain {
namespace {

// Shared icons belong to the system and come back as the same handle on
// every load of one size, so none is ever destroyed here. The sizes are
// those of the window's monitor.
HICON LoadSharedIcon(const wchar_t* name, int widthMetric, int heightMetric, int dpi) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON,
                                         ReadSystemMetricForDpi(widthMetric, dpi),
                                         ReadSystemMetricForDpi(heightMetric, dpi), LR_SHARED));
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
    const int dpi = ReadWindowDpi(window);
    SendIcon(window, owner, ICON_BIG, LoadSharedIcon(name, SM_CXICON, SM_CYICON, dpi));
    SendIcon(window, owner, ICON_SMALL, LoadSharedIcon(name, SM_CXSMICON, SM_CYSMICON, dpi));
}

}  // namespace mMain
