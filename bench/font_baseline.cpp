// The least a program that offers the installed font families has to do
// before its window shows: enumerate them on the window's device context.
// The start-up benchmark holds glyphor.exe against it. Its caption tells how
// many families it saw.
#include <windows.h>

#include <set>
#include <string>

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

int CALLBACK OneFamily(const LOGFONTW* family, const TEXTMETRICW*, DWORD, LPARAM names) {
    reinterpret_cast<std::set<std::wstring>*>(names)->insert(family->lfFaceName);
    return 1;
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

    std::set<std::wstring> families;
    {
        const unique_window_dc dc(window);
        LOGFONTW all{};
        all.lfCharSet = DEFAULT_CHARSET;
        EnumFontFamiliesExW(dc.get(), &all, OneFamily, reinterpret_cast<LPARAM>(&families), 0);
    }
    SetWindowTextW(window, (std::to_wstring(families.size()) + L" font families").c_str());
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
