#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "child_by_id.h"
#include "platform/unique_handle.h"

// Drives the real program from outside, the way a person would: starts it,
// finds its windows, reads and clicks its controls, answers its boxes.
namespace driver {

using namespace std::chrono_literals;

// Windows path of a Linux path; Wine shows the root as drive Z:.
std::wstring WindowsPath(std::wstring path);

// Polls until the condition holds; false when the time runs out first.
template <typename Predicate>
bool WaitUntil(std::chrono::milliseconds timeout, Predicate done) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// Windows path of a file of the build tree (GLYPHOR_BUILD is set by the runner).
std::wstring BuildPath(const std::wstring& relative);
// Windows path of the artefacts folder of this run.
std::wstring ArtefactPath(const std::wstring& name);

class Program {
public:
    // Starts the executable with the given working directory (empty: inherit).
    explicit Program(const std::wstring& exe, const std::wstring& directory = {});
    Program(Program&&) = default;
    ~Program();

    DWORD pid() const { return pid_; }
    HANDLE handle() const { return process_.get(); }
    bool Running() const;
    // Waits for the process to end; its exit code, or nothing on time-out.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = 10s);

private:
    unique_handle process_;
    DWORD pid_ = 0;
};

// A visible top-level window of the process with that class (empty: any) and title.
HWND FindWindowOf(DWORD pid, const std::wstring& cls, const std::wstring& title,
                  std::chrono::milliseconds timeout = 15s);
std::vector<HWND> TopLevelWindowsOf(DWORD pid);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);  // WM_GETTEXT, which works across processes
// A child at any depth, by its control identifier or by class and text.
using ::ChildById;
HWND ChildByText(HWND parent, const std::wstring& cls, const std::wstring& text);
// Position and size relative to the client area of the control's parent.
RECT RectInParent(HWND control);
// A length given in twips, in pixels at the screen's DPI.
int ScreenPixels(int twips);

// Clicks a button without waiting for what the click opens.
void Click(HWND button);
// A real click of the left mouse button at a point of the screen, through
// the input queue as a person's mouse gives it: the window under the pointer
// gets it, unless that window takes no input.
void ClickAt(POINT screen);
// A click of the left mouse button given to the X display itself (by
// xdotool), as a person's mouse gives it: the program takes it in after
// everything the display told it before, its window's mapping among them.
// ClickAt's input reaches the program's queue directly and can overtake
// that mapping; Wine, taking the mapping in later, raises the window over
// whatever it showed meanwhile, such as a dropped list. The pointer then
// goes to the screen's corner, so that no tool tip of the window clicked
// opens over what the click showed. True when xdotool started; what the
// click does is for the caller to wait for.
bool ClickOnDisplay(POINT screen);
// A real press and release of a key through the input queue, with Shift
// held when asked; the window with the keyboard focus gets it.
void PressKey(WORD key, bool shift = false);
// The centre of a window on the screen.
POINT CentreOf(HWND window);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
};
// The next message box of the process, with its title and text. Its icon
// cannot be told from another process under Wine.
MessageBoxSeen WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout = 15s);
// Answers a box by its button (IDOK, IDNO, ...) and waits for it to close.
void Answer(HWND box, int button);

// Glyphor started from the build tree, with its main window found (null
// when it did not appear). Closing it is the last thing done with it.
struct StartedGlyphor {
    Program program{BuildPath(L"glyphor.exe")};
    HWND window = FindWindowOf(program.pid(), L"GlyphorMain", L"Glyphor by Orrinel");

    StartedGlyphor() = default;
    StartedGlyphor(const StartedGlyphor&) = delete;
    StartedGlyphor& operator=(const StartedGlyphor&) = delete;
    ~StartedGlyphor() {
        if (window) PostMessageW(window, WM_CLOSE, 0, 0);
        program.WaitForExit();
    }
};

}  // namespace driver
