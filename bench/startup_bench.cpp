// Start-up time of glyphor.exe, from the process start to its main window
// being visible, next to font_baseline.exe, which only enumerates the font
// families before showing its window. Runs under Wine in a prefix of its
// own (scripts/bench) with a hundred more font families installed.
//   startup_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "driver.h"
#include "font_table.h"
#include "prefix_fonts.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

struct Subject {
    const char* label;
    std::wstring exe;
    const wchar_t* windowClass;
    std::vector<double> times;  // milliseconds
};

HWND VisibleWindowOf(DWORD pid, const wchar_t* windowClass) {
    for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr); window;
         window = FindWindowExW(nullptr, window, windowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pid && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

// Starts the program, waits for its window, closes it. The time to the
// window, or nothing when it did not come or the program did not end.
std::optional<double> TimeStartUp(const Subject& subject, std::wstring* caption = nullptr) {
    const auto start = Clock::now();
    driver::Program program(subject.exe);
    if (!program.pid()) return std::nullopt;
    HWND window = nullptr;
    while (!(window = VisibleWindowOf(program.pid(), subject.windowClass))) {
        if (Clock::now() - start > std::chrono::seconds(30)) return std::nullopt;
        Sleep(1);
    }
    const double elapsed = Milliseconds(Clock::now() - start).count();
    if (caption) *caption = driver::TextOf(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!program.WaitForExit(std::chrono::seconds(30))) return std::nullopt;
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    if (!driver::HideHostFonts()) {
        std::fprintf(stderr, "run with FONTCONFIG_FILE=tests/support/no-host-fonts.conf (scripts/bench does)\n");
        return 2;
    }
    driver::InstalledFonts installed;
    const std::vector<driver::FontFacts> families = driver::ReadFontTable(L"families.tsv");
    if (families.empty()) {
        std::fprintf(stderr, "no test-fonts/families.tsv in the build tree\n");
        return 2;
    }
    for (const driver::FontFacts& font : families) {
        if (!installed.Install(font.file)) {
            std::fprintf(stderr, "cannot install %ls\n", font.file.c_str());
            return 2;
        }
    }

    Subject glyphor{"glyphor.exe", driver::BuildPath(L"glyphor.exe"), L"GlyphorMain", {}};
    Subject baseline{"font_baseline.exe", driver::BuildPath(L"bench/font_baseline.exe"), L"GlyphorFontBaseline", {}};
    // One start each first, so that neither pays alone for what the first
    // start of a program brings into the caches.
    std::wstring seen;
    if (!TimeStartUp(glyphor) || !TimeStartUp(baseline, &seen)) {
        std::fprintf(stderr, "a program did not show its window or did not end\n");
        return 1;
    }
    // Alternating, so that both meet the same drift of the machine.
    for (int run = 0; run < runs; ++run) {
        for (Subject* subject : {&glyphor, &baseline}) {
            const std::optional<double> time = TimeStartUp(*subject);
            if (!time) {
                std::fprintf(stderr, "%s did not show its window or did not end\n", subject->label);
                return 1;
            }
            subject->times.push_back(*time);
        }
    }

    std::printf("Start-up to a visible window under Wine, %ls, median of %d runs:\n", seen.c_str(), runs);
    for (const Subject* subject : {&glyphor, &baseline}) {
        std::printf("  %-18s %7.1f ms   (", subject->label, Median(subject->times));
        for (std::size_t i = 0; i < subject->times.size(); ++i)
            std::printf("%s%.0f", i ? " " : "", subject->times[i]);
        std::printf(")\n");
    }
    const double ratio = Median(glyphor.times) / Median(baseline.times);
    std::printf("  ratio %.2f (aim: at most 1.30)\n", ratio);
    return 0;
}
