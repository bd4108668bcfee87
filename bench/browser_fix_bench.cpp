// What setting the browsers' Bengali fonts adds to a fix: glyphor-cli fix
// with and without --browsers, over a Chrome profile whose Preferences is
// 5 MB, as the median of several runs. Each fix is followed by a restore,
// so that every fix has the same work to do.
//   browser_fix_bench [runs]
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "console_run.h"
#include "platform/win32_special_folder_path.h"
#include "median.h"

using namespace driver;

namespace {

constexpr double kAllowedSeconds = 0.2;

// A profile's settings grown to five megabytes with what a long-used one
// piles up: many entries of site data.
std::string LargePreferences() {
    std::string text = R"({"homepage":"https://example.invalid/","sites":[)";
    for (int i = 0; text.size() < 5 * 1024 * 1024; ++i)
        text += (i ? "," : "") + std::string(R"({"origin":"https://site)") + std::to_string(i) +
                R"(.example.invalid","engagement":)" + std::to_string(i % 97) + R"(.5,"seen":true})";
    return text + "]}";
}

double SecondsOf(const std::vector<std::wstring>& arguments) {
    const auto start = std::chrono::steady_clock::now();
    const ConsoleRun run = RunConsole(arguments, std::chrono::seconds(120));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!run.code || (*run.code != 0 && *run.code != 3010)) {
        std::fprintf(stderr, "glyphor-cli failed: %s\n", run.error.c_str());
        std::exit(1);
    }
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const std::filesystem::path profile = std::filesystem::path(mGetLocation::GetSpecialFolderPath(CSIDL_LOCAL_APPDATA)) /
                                          L"Google" / L"Chrome" / L"User Data" / L"Default";
    std::filesystem::create_directories(profile);
    std::ofstream(profile / L"Preferences", std::ios::binary) << LargePreferences();

    std::vector<double> plain, browsers;
    for (int run = 0; run < runs; ++run) {
        plain.push_back(SecondsOf({L"fix", L"Likhan", L"--force"}));
        SecondsOf({L"restore"});
        browsers.push_back(SecondsOf({L"fix", L"Likhan", L"--force", L"--browsers"}));
        SecondsOf({L"restore"});
    }
    const double base = Median(plain), with = Median(browsers);
    std::printf("Fix with --browsers over a 5 MB Preferences, median of %d runs:\n", runs);
    std::printf("  without --browsers  %.3f s (baseline)\n", base);
    std::printf("  with --browsers     %.3f s (%.2fx the baseline, %+.3f s)\n", with, with / base, with - base);
    const bool within = with - base < kAllowedSeconds;
    std::printf("  %s: the browsers add %s than %.1f s\n", within ? "ok" : "SLOW", within ? "less" : "more",
                kAllowedSeconds);
    return within ? 0 : 1;
}
