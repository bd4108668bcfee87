#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

// Move-only owners for Windows handles: each closes its handle exactly once.
template <typename T, auto Close, T Invalid = T{}>
class unique_any {
public:
    unique_any() noexcept = default;
    explicit unique_any(T value) noexcept : value_(value) {}
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    unique_any(unique_any&& other) noexcept : value_(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~unique_any() { reset(); }

    T get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Invalid; }

    // For out-parameters: closes what is held and hands out the slot.
    T* put() noexcept {
        reset();
        return &value_;
    }
    T release() noexcept { return std::exchange(value_, Invalid); }
    void reset(T value = Invalid) noexcept {
        if (value_ != Invalid) Close(value_);
        value_ = value;
    }

private:
    T value_ = Invalid;
};

namespace handle_close {
inline void Handle(HANDLE h) noexcept { ::CloseHandle(h); }
inline void Key(HKEY h) noexcept { ::RegCloseKey(h); }
inline void GdiObject(HGDIOBJ h) noexcept { ::DeleteObject(h); }
inline void Dc(HDC h) noexcept { ::DeleteDC(h); }
inline void Sid(PSID h) noexcept { ::FreeSid(h); }
inline void Window(HWND h) noexcept { ::DestroyWindow(h); }
inline void Memory(void* p) noexcept { ::CoTaskMemFree(p); }
inline void Module(HMODULE h) noexcept { ::FreeLibrary(h); }
inline void ComObject(IUnknown* p) noexcept { p->Release(); }
}  // namespace handle_close

using unique_handle = unique_any<HANDLE, handle_close::Handle>;
using unique_hkey = unique_any<HKEY, handle_close::Key>;
using unique_hfont = unique_any<HFONT, handle_close::GdiObject>;
using unique_hbitmap = unique_any<HBITMAP, handle_close::GdiObject>;
// A device context made by CreateCompatibleDC or CreateDCW (not GetDC).
using unique_hdc = unique_any<HDC, handle_close::Dc>;
using unique_sid = unique_any<PSID, handle_close::Sid>;
using unique_hwnd = unique_any<HWND, handle_close::Window>;
using unique_hmodule = unique_any<HMODULE, handle_close::Module>;
template <typename T>
using unique_com = unique_any<T*, handle_close::ComObject>;
template <typename T>
using unique_cotaskmem = unique_any<T*, handle_close::Memory>;

// A window's device context, released to the window it came from.
class unique_window_dc {
public:
    explicit unique_window_dc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    unique_window_dc(const unique_window_dc&) = delete;
    unique_window_dc& operator=(const unique_window_dc&) = delete;
    unique_window_dc(unique_window_dc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    unique_window_dc& operator=(unique_window_dc&&) = delete;
    ~unique_window_dc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// The device context of one WM_PAINT, ended on the window it began on.
// EndPaint is owed even when BeginPaint gave no context: it shows the caret
// again.
class unique_paint_dc {
public:
    explicit unique_paint_dc(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    unique_paint_dc(const unique_paint_dc&) = delete;
    unique_paint_dc& operator=(const unique_paint_dc&) = delete;
    unique_paint_dc(unique_paint_dc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_), dc_(std::exchange(other.dc_, nullptr)) {}
    unique_paint_dc& operator=(unique_paint_dc&&) = delete;
    ~unique_paint_dc() {
        if (window_) ::EndPaint(window_, &paint_);
    }
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    // The part of the window that needs painting.
    const RECT& area() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class unique_select_object {
public:
    unique_select_object(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    unique_select_object(const unique_select_object&) = delete;
    unique_select_object& operator=(const unique_select_object&) = delete;
    ~unique_select_object() {
        if (selected()) ::SelectObject(dc_, previous_);
    }
    // SelectObject answers NULL (or HGDI_ERROR for regions) when it fails.
    bool selected() const noexcept { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
