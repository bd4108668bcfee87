// The least a program that offers the installed font families has to do
// before its window shows: enumerate them on the window's device context.
// The start-up benchmark holds glyphor.exe against it. Its caption tells how
// many families it saw.
#include <windows.h>

#include <string>

#include "family_names.h"
#include "platform/unique_handle.h"

namespace {

constexpr wchar_t kClass[] = L"GlyphorFontBaseline";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kClass;
    if (!RegisterClassExW(&cls)) return 1;
    // Closing the window destroys it; nothing else owns it.
    const HWND window = CreateWindowExW(0, kClass, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 240, 220,
                                        nullptr, nullptr, instance, nullptr);
    if (!window) return 1;

    const std::size_t families = FamilyNames(unique_window_dc(window).get()).size();
    SetWindowTextW(window, (std::to_wstring(families) + L" font families").c_str());
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
