#include "driver.h"

#include <cstdlib>

#include "platform/twips.h"

namespace driver {
namespace {

std::wstring FromEnvironment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

}  // namespace

std::wstring WindowsPath(std::wstring path) {
    for (auto& ch : path)
        if (ch == L'/') ch = L'\\';
    return path.starts_with(L"\\") ? L"Z:" + path : path;
}

std::wstring BuildPath(const std::wstring& relative) {
    return WindowsPath(FromEnvironment(L"GLYPHOR_BUILD") + L"/" + relative);
}

std::wstring ArtefactPath(const std::wstring& name) {
    const std::wstring folder = WindowsPath(FromEnvironment(L"GLYPHOR_ARTEFACTS"));
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name;
}

Program::Program(const std::wstring& exe, const std::wstring& directory) {
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
}

Program::~Program() {
    // Only the process this object started is ended, and only if it still runs.
    if (process_ && Running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Program::WaitForExit(std::chrono::milliseconds timeout) {
    if (!process_ || WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindWindowOf(DWORD pid, const std::wstring& cls, const std::wstring& title, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil(timeout, [&] {
        for (HWND window : TopLevelWindowsOf(pid)) {
            if ((cls.empty() || ClassOf(window) == cls) && TextOf(window) == title) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    text.resize(copied);
    return text;
}

HWND ChildByText(HWND parent, const std::wstring& cls, const std::wstring& text) {
    struct Search {
        const std::wstring& cls;
        const std::wstring& text;
        HWND found;
    } search{cls, text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (ClassOf(child) != s->cls || TextOf(child) != s->text) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ScreenPixels(int twips) {
    const unique_window_dc screen(nullptr);
    return TwipsToPixels(twips, GetDeviceCaps(screen.get(), LOGPIXELSX));
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void ClickAt(POINT screen) {
    // Absolute pointer positions run from 0 to 65535 across the screen.
    const auto normalised = [](LONG value, int extent) { return MulDiv(value, 65535, GetSystemMetrics(extent) - 1); };
    INPUT input[3] = {};
    for (INPUT& one : input) {
        one.type = INPUT_MOUSE;
        one.mi.dx = normalised(screen.x, SM_CXSCREEN);
        one.mi.dy = normalised(screen.y, SM_CYSCREEN);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof(INPUT));
}

bool ClickOnDisplay(POINT screen) {
    // Wine starts a Linux program named by its path on this session's
    // display, and gives back no process to wait on: the caller waits for
    // what the click does.
    std::wstring command = L"\"Z:\\usr\\bin\\xdotool\" mousemove --sync " + std::to_wstring(screen.x) + L" " +
                           std::to_wstring(screen.y) + L" click 1 mousemove 0 0";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    const unique_handle process(info.hProcess), thread(info.hThread);
    return true;
}

void PressKey(WORD key, bool shift) {
    std::vector<INPUT> input;
    const auto add = [&](WORD code, DWORD flags) {
        INPUT one{};
        one.type = INPUT_KEYBOARD;
        one.ki.wVk = code;
        one.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
        one.ki.dwFlags = flags;
        input.push_back(one);
    };
    if (shift) add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

POINT CentreOf(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

MessageBoxSeen WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout) {
    MessageBoxSeen seen;
    WaitUntil(timeout, [&] {
        for (HWND window : TopLevelWindowsOf(pid)) {
            if (ClassOf(window) != L"#32770") continue;
            seen.window = window;
            return true;
        }
        return false;
    });
    if (!seen.window) return seen;
    seen.title = TextOf(seen.window);
    // The message is the static control with identifier 0xFFFF.
    seen.text = TextOf(GetDlgItem(seen.window, 0xFFFF));
    return seen;
}

void Answer(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitUntil(10s, [&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

}  // namespace driver
