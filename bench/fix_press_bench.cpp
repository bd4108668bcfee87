// What a press of Fix It costs with the probe of what draws Bengali interface
// text, against the same press without it: the probe runs only from Windows 8
// on, so the press is timed with Wine set to Windows 10 and to Windows 7, from
// the click to the first box the press shows, as the median of several runs.
// Each press is followed by a restore, so that every press has the same work.
//   fix_press_bench [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "console_run.h"
#include "driver.h"
#include "median.h"

using namespace driver;

namespace {

struct Press {
    double seconds = 0;
    bool sawOutcomeBox = false;  // the Windows 8 and later box, whose text the probe's answer words
};

bool SetWineVersion(const wchar_t* version) {
    const auto bytes = static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine", L"Version", REG_SZ, version, bytes) == ERROR_SUCCESS;
}

// The first of Glyphor's boxes, watched closely: the usual wait looks every
// 50 ms, coarser than what is measured here.
HWND WatchForBox(DWORD pid, std::chrono::steady_clock::time_point until) {
    while (std::chrono::steady_clock::now() < until) {
        for (HWND window : TopLevelWindowsOf(pid))
            if (ClassOf(window) == L"#32770" && IsWindowVisible(window)) return window;
        Sleep(1);
    }
    return nullptr;
}

std::optional<Press> PressFixIt() {
    StartedGlyphor glyphor;
    if (!glyphor.window) return std::nullopt;
    SendMessageW(ChildById(glyphor.window, ControlId::comFont), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Likhan"));
    const auto start = std::chrono::steady_clock::now();
    Click(ChildById(glyphor.window, ControlId::cmdFix));
    HWND first = WatchForBox(glyphor.program.pid(), start + std::chrono::seconds(30));
    if (!first) return std::nullopt;
    Press press{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), false};
    for (MessageBoxSeen box{first, TextOf(first), TextOf(GetDlgItem(first, 0xFFFF))};;
         box = WaitForMessageBox(glyphor.program.pid())) {
        if (!box.window) return std::nullopt;
        if (box.text.find(L"as Glyphor measured") != std::wstring::npos) press.sawOutcomeBox = true;
        if (box.title == L"Restart") {
            Answer(box.window, IDNO);
            return press;
        }
        Answer(box.window, GetDlgItem(box.window, IDYES) ? IDYES : IDOK);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    std::vector<double> probed, plain;
    for (int run = 0; run < runs; ++run) {
        for (const bool windows10 : {true, false}) {
            if (!SetWineVersion(windows10 ? L"win10" : L"win7")) {
                std::fputs("cannot set Wine's Windows version\n", stderr);
                return 1;
            }
            const auto press = PressFixIt();
            // The box shows whether the probe ran: a press that did not measure what it was meant to counts for nothing.
            if (!press || press->sawOutcomeBox != windows10) {
                std::fprintf(stderr, "the press on Windows %s did not go as a press there goes\n", windows10 ? "10" : "7");
                return 1;
            }
            (windows10 ? probed : plain).push_back(press->seconds);
            const ConsoleRun restore = RunConsole({L"restore"});
            if (!restore.code || (*restore.code != 0 && *restore.code != 3010)) {
                std::fprintf(stderr, "glyphor-cli restore failed: %s\n", restore.error.c_str());
                return 1;
            }
        }
    }
    SetWineVersion(L"win7");
    const double base = Median(plain), with = Median(probed);
    std::printf("Fix It, from the click to its first box, median of %d presses each:\n", runs);
    std::printf("  without the probe (Windows 7)  %.3f s (baseline)\n", base);
    std::printf("  with the probe (Windows 10)    %.3f s (%.2fx the baseline, %+.3f s)\n", with, with / base,
                with - base);
    return 0;
}
