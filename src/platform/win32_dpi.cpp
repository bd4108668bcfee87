#include "platform/win32_dpi.h"

namespace {

template <typename Function>
Function* User32Function(const char* name) {
    // user32 stays loaded for the life of any program with a window.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ReadSystemDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return USER_DEFAULT_SCREEN_DPI;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int ReadWindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT WINAPI(HWND);
    static auto* const getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (window && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    return ReadSystemDpi();
}

int ReadSystemMetricForDpi(int index, int dpi) {
    using GetSystemMetricsForDpiFn = int WINAPI(int, UINT);
    static auto* const getSystemMetricsForDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (getSystemMetricsForDpi) return getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

FrameInsets ReadFrameInsets(DWORD style, DWORD exStyle, int dpi) {
    using AdjustWindowRectExForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const adjustForDpi = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT window{};
    if (!adjustForDpi || !adjustForDpi(&window, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        window = {};
        AdjustWindowRectEx(&window, style, FALSE, exStyle);
    }
    return {-window.left, -window.top, window.right, window.bottom};
}
