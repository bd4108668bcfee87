#pragma once

#include <windows.h>

#include "platform/unique_handle.h"

// The base of a class whose windows each belong to one C++ object:
//
//   class frmThing : public Win32WindowBase<frmThing> {
//       friend Win32WindowBase<frmThing>;
//       static constexpr const wchar_t* kWindowClass = L"GlyphorThing";
//       static HBRUSH WindowBackground();                   // may be null
//       LRESULT HandleMessage(UINT, WPARAM, LPARAM) noexcept;
//   };
//
// The object comes in CreateWindowExW's last argument and is stored at
// WM_NCCREATE, the first message a window gets, so hwnd() is valid in every
// message handler, WM_CREATE included. At WM_NCDESTROY, the last one, the
// object is forgotten and lets go of the handle, which Windows has already
// destroyed: a child destroyed with its parent must not be destroyed again.
template <typename Derived>
class Win32WindowBase {
public:
    Win32WindowBase(const Win32WindowBase&) = delete;
    Win32WindowBase& operator=(const Win32WindowBase&) = delete;

    HWND hwnd() const noexcept { return window_.get(); }

protected:
    Win32WindowBase() = default;
    // Derived destructors call DestroyWindowNow() first, while the members
    // the window's last messages touch still exist; this is the backstop. By
    // now the derived object is gone, so the window forgets it before its
    // last messages come and they get the default handling.
    ~Win32WindowBase() {
        if (hwnd()) SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
        DestroyWindowNow();
    }

    // Makes this object's window, registering the class on first use. False
    // when Windows refuses the class or the window.
    bool CreateWindowNow(DWORD exStyle, const wchar_t* caption, DWORD style, int x, int y, int width, int height,
                         HWND parent, HMENU menu = nullptr) {
        if (!RegisteredClass()) return false;
        CreateWindowExW(exStyle, Derived::kWindowClass, caption, style, x, y, width, height, parent, menu,
                        GetModuleHandleW(nullptr), static_cast<Derived*>(this));
        return hwnd() != nullptr;
    }

    void DestroyWindowNow() noexcept { window_.reset(); }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
        return DefWindowProcW(hwnd(), message, wParam, lParam);
    }

private:
    static bool RegisteredClass() {
        static const ATOM atom = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = &WindowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            windowClass.hbrBackground = Derived::WindowBackground();
            windowClass.lpszClassName = Derived::kWindowClass;
            return RegisterClassExW(&windowClass);
        }();
        return atom != 0;
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Derived*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->window_.reset(window);
        }
        auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return DefWindowProcW(window, message, wParam, lParam);
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            static_cast<Win32WindowBase*>(self)->window_.release();
        }
        return result;
    }

    unique_hwnd window_;
};
