#pragma once

#include <windows.h>

// The window procedure of a class whose windows each belong to one C++
// object: the object comes in CreateWindowExW's last argument, is stored at
// WM_NCCREATE and forgotten at WM_NCDESTROY, after which the window gets the
// default handling only. Window::HandleMessage must not throw.
template <typename Window>
LRESULT CALLBACK WindowThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->HandleMessage(hwnd, message, wParam, lParam);
}

// Registers the class on first use; null when Windows refused it.
template <typename Window>
const wchar_t* WindowClass(const wchar_t* name, HBRUSH background) {
    static const ATOM atom = [&] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &WindowThunk<Window>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = name;
        return RegisterClassExW(&windowClass);
    }();
    return atom ? name : nullptr;
}
