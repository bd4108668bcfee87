// Start-up time of glyphor.exe, from the process start to its main window
// being visible, next to two baselines: window_baseline.exe, which makes the
// same window with the same fonts and only enumerates the font families (the
// cost this window cannot avoid), and font_baseline.exe, a bare window that
// does the same. Measured with about a hundred and about a thousand font
// families installed, from which the time each family adds follows. Runs
// under Wine in a prefix of its own without the host's fonts (scripts/bench).
//   startup_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "driver.h"
#include "prefix_fonts.h"
#include "median.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr double kAimAgainstWindow = 1.15;

struct Subject {
    const char* label;
    std::wstring exe;
    const wchar_t* windowClass;
};

// One measured size: how many families the baseline saw, and each
// subject's times in milliseconds, in the order of kSubjects.
struct Sample {
    long families = 0;
    std::vector<std::vector<double>> times;
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
// window, or nothing, said on the error stream, when the program did not
// start, show its window or end.
std::optional<double> TimeStartUp(const Subject& subject, std::wstring* caption = nullptr) {
    const auto start = Clock::now();
    driver::Program program(subject.exe);
    if (!program.pid()) {
        std::fprintf(stderr, "%s did not start\n", subject.label);
        return std::nullopt;
    }
    HWND window = nullptr;
    while (!(window = VisibleWindowOf(program.pid(), subject.windowClass))) {
        if (Clock::now() - start > std::chrono::seconds(60)) {
            std::fprintf(stderr, "%s showed no window in 60 s\n", subject.label);
            return std::nullopt;
        }
        Sleep(1);  // as fine as the measurement; there is no event to wait on
    }
    const double elapsed = Milliseconds(Clock::now() - start).count();
    if (caption) *caption = driver::TextOf(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!program.WaitForExit(std::chrono::seconds(30))) {
        std::fprintf(stderr, "%s did not end in 30 s after its window was closed\n", subject.label);
        return std::nullopt;
    }
    return elapsed;
}

// Installs the font files of a folder of the build tree; false when one fails.
bool InstallFolder(driver::InstalledFonts& installed, const std::wstring& folder) {
    std::error_code error;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(driver::BuildPath(folder), error)) {
        if (entry.path().extension() != L".ttf") continue;
        if (!installed.Install(entry.path().wstring())) {
            std::fprintf(stderr, "cannot install %ls\n", entry.path().c_str());
            return false;
        }
        ++count;
    }
    if (count == 0) std::fprintf(stderr, "no fonts in %ls of the build tree\n", folder.c_str());
    return count > 0;
}

// Times every subject with the folder's families installed. One start each
// first, so that none pays alone for what a first start brings into the
// caches (Wine's font cache among them); then alternating, so that all meet
// the same drift of the machine.
std::optional<Sample> Measure(const std::vector<Subject>& subjects, const std::wstring& folder, int runs) {
    driver::InstalledFonts installed;
    if (!InstallFolder(installed, folder)) return std::nullopt;
    Sample sample;
    sample.times.resize(subjects.size());
    for (const Subject& subject : subjects) {
        std::wstring caption;
        if (!TimeStartUp(subject, &caption)) return std::nullopt;
        if (caption.ends_with(L" font families")) sample.families = std::wcstol(caption.c_str(), nullptr, 10);
    }
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            const std::optional<double> time = TimeStartUp(subjects[i]);
            if (!time) return std::nullopt;
            sample.times[i].push_back(*time);
        }
    }
    return sample;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    if (!driver::HideHostFonts()) {
        std::fprintf(stderr, "run with FONTCONFIG_FILE=tests/support/no-host-fonts.conf (scripts/bench does)\n");
        return 2;
    }
    const std::vector<Subject> subjects = {
        {"glyphor.exe", driver::BuildPath(L"glyphor.exe"), L"GlyphorMain"},
        {"window_baseline.exe", driver::BuildPath(L"bench/window_baseline.exe"), L"GlyphorMain"},
        {"font_baseline.exe", driver::BuildPath(L"bench/font_baseline.exe"), L"GlyphorFontBaseline"},
    };
    const std::optional<Sample> few = Measure(subjects, L"test-fonts/families", runs);
    const std::optional<Sample> many = few ? Measure(subjects, L"test-fonts/families-1000", runs) : std::nullopt;
    if (!few || !many) return 1;

    std::printf("Start-up to a visible window under Wine, no host fonts, median of %d runs:\n", runs);
    std::printf("  %-22s %9ld families %6ld families   per family\n", "", few->families, many->families);
    const double added = static_cast<double>(many->families - few->families);
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        const double a = Median(few->times[i]), b = Median(many->times[i]);
        std::printf("  %-22s %12.1f ms %12.1f ms   %7.3f ms\n", subjects[i].label, a, b, added > 0 ? (b - a) / added : 0);
    }
    const auto ratios = [&](const char* label, std::size_t baseline) {
        std::printf("  glyphor / %-11s %15.2f %15.2f", label, Median(few->times[0]) / Median(few->times[baseline]),
                    Median(many->times[0]) / Median(many->times[baseline]));
    };
    ratios("window", 1);
    std::printf("     (aim: at most %.2f)\n", kAimAgainstWindow);
    ratios("font", 2);
    std::printf("\n");
    std::printf("  all runs, ms:\n");
    for (const Sample* sample : {&*few, &*many}) {
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            std::printf("    %5ld families %-20s", sample->families, subjects[i].label);
            for (const double time : sample->times[i]) std::printf(" %.0f", time);
            std::printf("\n");
        }
    }
    return 0;
}
