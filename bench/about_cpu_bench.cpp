// What the About window's rolling credits cost and how smoothly they roll.
//
// Processor time of glyphor.exe while the credits roll, as a share of one
// core, next to baselines taken in the same run: the same process with its
// main window idle, the same process once the About window is hidden again,
// and a process that does nothing but run a window timer paced like the
// credits' and draws nothing (this one, while it measures that timer).
//
// It fails when the rolling credits take a quarter of a core or more.
//
// And the frame rate the credits reach, from how far the text moves between
// captures of the display (one pixel row a frame), next to the rate the
// system's timer allows: a frame is due at the first turn more than
// CreditsScroller::kFrameIntervalMs after the last, and turns come with a
// window timer, which fires only so punctually.
//
// Runs under Wine in a prefix and display of its own (scripts/bench).
//   about_cpu_bench.exe [seconds per measurement]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "about/credits_scroller.h"
#include "app/control_ids.h"
#include "driver.h"
#include "process_cpu.h"
#include "screen_capture.h"

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;
using Milliseconds = std::chrono::duration<double, std::milli>;

// Processor time of one process: from the host's /proc under Wine, from
// GetProcessTimes elsewhere.
class ProcessMeter {
public:
    ProcessMeter(HANDLE process, const std::string& image) : process_(process), host_(bench::HostProcessOf(image)) {}

    bool fromHost() const { return host_.has_value(); }
    std::optional<double> Ms() const { return host_ ? bench::HostCpuMs(*host_) : bench::WindowsCpuMs(process_); }
    std::optional<double> ReportedMs() const { return bench::WindowsCpuMs(process_); }

private:
    HANDLE process_;
    std::optional<unsigned long> host_;
};

// Shares of one core over a stretch of time, in per cent: of the process
// measured, and of the prefix's wineserver, which carries every Wine
// process's timers and messages.
struct Load {
    std::optional<double> process;
    std::optional<double> wineserver;
    std::optional<double> reported;  // what GetProcessTimes says of the process
};

Load Measure(const ProcessMeter& process, const ProcessMeter& wineserver, const std::function<void()>& work) {
    const auto processFrom = process.Ms(), serverFrom = wineserver.Ms(), reportedFrom = process.ReportedMs();
    const auto start = Clock::now();
    work();
    const double wallMs = Milliseconds(Clock::now() - start).count();
    const auto processTo = process.Ms(), serverTo = wineserver.Ms(), reportedTo = process.ReportedMs();
    const auto share = [wallMs](const std::optional<double>& from, const std::optional<double>& to) {
        return from && to ? std::optional<double>(100 * (*to - *from) / wallMs) : std::nullopt;
    };
    return {share(processFrom, processTo), share(serverFrom, serverTo), share(reportedFrom, reportedTo)};
}

// The cadence the system allows the credits, measured in this process as
// the scroller meets it: turns with a window timer set each time for when
// the next frame is due, each reading GetTickCount, a frame at the first
// reading more than the frame interval after the last frame's. (Under Wine
// the tick count moves on only when the wineserver wakes, so it is read at
// turns.)
struct TimerCadence {
    double timerPeriodMs = 0;
    double frameIntervalMs = 0;
};

TimerCadence RunTimer(std::chrono::seconds span) {
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, nullptr);
    int turns = 0, frames = 0;
    DWORD lastFrame = 0;
    Clock::time_point first, last;
    MSG message;
    while ((turns == 0 || last - first < span) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message != WM_TIMER) continue;
        const DWORD reading = GetTickCount();
        last = Clock::now();
        if (turns++ == 0) {
            first = last;
            lastFrame = reading;
        } else if (reading - lastFrame > CreditsScroller::kFrameIntervalMs) {
            ++frames;
            lastFrame = reading;
        }
        const UINT wait = CreditsScroller::MillisecondsUntilDue(GetTickCount() - lastFrame);
        SetTimer(nullptr, timer, std::max<UINT>(wait, USER_TIMER_MINIMUM), nullptr);
    }
    KillTimer(nullptr, timer);
    const double spanMs = Milliseconds(last - first).count();
    return {spanMs / std::max(turns - 1, 1), spanMs / std::max(frames, 1)};
}

// How far the credits moved, from captures of the picture a fifth of a
// second apart (a few rows each time).
struct Motion {
    int rows = 0;
    double seconds = 0;
    int pairs = 0;
    int unmatched = 0;  // pairs whose shift could not be told
};

Motion WatchCredits(HWND picture, std::chrono::seconds span) {
    const std::uint32_t background = Rgb(GetSysColor(COLOR_WINDOW));
    const auto capture = [picture](Clock::time_point& at) {
        const auto before = Clock::now();
        ScreenImage image = CaptureScreen(ScreenRect(picture));
        at = before + (Clock::now() - before) / 2;
        return image;
    };
    Motion motion;
    Clock::time_point previousAt;
    ScreenImage previous = capture(previousAt);
    for (const auto end = previousAt + span; Clock::now() < end;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Clock::time_point at;
        ScreenImage image = capture(at);
        ++motion.pairs;
        if (const auto moved = RowsMovedUp(previous, image, image.height / 2, background)) {
            motion.rows += *moved;
            motion.seconds += Seconds(at - previousAt).count();
        } else {
            ++motion.unmatched;
        }
        previous = std::move(image);
        previousAt = at;
    }
    return motion;
}

std::string Percent(const std::optional<double>& share) {
    char text[32] = "      -  ";
    if (share) std::snprintf(text, sizeof text, "%7.2f %%", *share);
    return text;
}

void PrintLoad(const char* label, const Load& load) {
    std::printf("  %-44s %s   %s\n", label, Percent(load.process).c_str(), Percent(load.wineserver).c_str());
}

// As a ratio where the baseline is measurable; an idle Wine process may use
// no processor time at all, so the difference is given too.
void PrintComparison(const char* label, const Load& load, const Load& baseline) {
    if (!load.process || !baseline.process) return;
    std::printf("  %-44s", label);
    if (*baseline.process >= 0.01)
        std::printf(" ratio %5.2f", *load.process / *baseline.process);
    else
        std::printf(" ratio   n/a");
    std::printf("   (%+.2f points of a core)\n", *load.process - *baseline.process);
}

// Parks the pointer in the corner, away from every window: resting over the
// main window under Wine it alone keeps glyphor.exe busy (0.25 % of a core
// here), which is no cost of the credits.
void ParkPointer() { SetCursorPos(0, 0); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::chrono::seconds span(argc > 1 ? std::max(1, _wtoi(argv[1])) : 10);
    const ProcessMeter wineserver(nullptr, "wineserver64");

    TimerCadence cadence;
    const ProcessMeter self(GetCurrentProcess(), "about_cpu_bench.exe");
    const Load timerAlone = Measure(self, wineserver, [&] { cadence = RunTimer(span); });

    driver::StartedGlyphor glyphor;
    if (!glyphor.window) {
        std::fprintf(stderr, "glyphor.exe showed no main window\n");
        return 1;
    }
    const ProcessMeter meter(glyphor.program.handle(), "glyphor.exe");
    ParkPointer();
    // Whatever start-up left to do is done by then.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const Load idle = Measure(meter, wineserver, [&] { std::this_thread::sleep_for(span); });

    driver::Click(driver::ChildById(glyphor.window, ControlId::Command1));
    const HWND about = driver::FindWindowOf(glyphor.program.pid(), L"GlyphorAbout", L"About");
    const HWND picture = about ? FindWindowExW(about, nullptr, L"GlyphorBackedPicture", nullptr) : nullptr;
    if (!picture) {
        std::fprintf(stderr, "the About window did not show\n");
        return 1;
    }
    // The credits are rolling by then.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    Motion motion;
    const Load rolling = Measure(meter, wineserver, [&] { motion = WatchCredits(picture, span); });

    driver::ClickAt(driver::CentreOf(picture));
    if (!driver::WaitUntil(std::chrono::seconds(5), [&] { return !IsWindow(about) || !IsWindowVisible(about); })) {
        std::fprintf(stderr, "the About window stayed after a click on it\n");
        return 1;
    }
    ParkPointer();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const Load hidden = Measure(meter, wineserver, [&] { std::this_thread::sleep_for(span); });

    if (!idle.process || !rolling.process || !hidden.process) {
        std::fprintf(stderr, "cannot read glyphor.exe's processor time\n");
        return 1;
    }
    std::printf("Processor time over %lld s each, as a share of one core (%s):\n", static_cast<long long>(span.count()),
                meter.fromHost() ? "Wine processes' threads, from the host's /proc" : "GetProcessTimes");
    std::printf("  %-44s %9s   %9s\n", "", "process", "wineserver");
    PrintLoad("glyphor.exe, main window idle", idle);
    PrintLoad("glyphor.exe, About shown, credits rolling", rolling);
    PrintLoad("glyphor.exe, About hidden again", hidden);
    PrintLoad("baseline: the same timer, drawing nothing", timerAlone);
    PrintComparison("rolling against the timer alone", rolling, timerAlone);
    PrintComparison("rolling against the idle main window", rolling, idle);
    PrintComparison("hidden again against the idle main window", hidden, idle);
    // Between frames the scroller only waits for its timer.
    constexpr double kMostRollingShare = 25;
    const bool rollingWithinAim = *rolling.process < kMostRollingShare;
    std::printf("  credits rolling take %.2f %% of a core (aim: under %.0f %%)%s\n", *rolling.process,
                kMostRollingShare, rollingWithinAim ? "" : "  OVER THE AIM");
    if (meter.fromHost() && idle.reported && rolling.reported)
        std::printf("  (GetProcessTimes on glyphor.exe from this process says %.2f %% idle and %.2f %% rolling)\n",
                    *idle.reported, *rolling.reported);

    std::printf("Credits frame rate, one pixel row a frame, from %d captures 0.2 s apart:\n", motion.pairs + 1);
    if (motion.seconds <= 0) {
        std::printf("  no motion could be told between any two captures\n");
        return 1;
    }
    const double measured = motion.rows / motion.seconds;
    const double expected = 1000 / cadence.frameIntervalMs;
    std::printf("  measured %6.1f fps   (%d rows in %.2f s", measured, motion.rows, motion.seconds);
    if (motion.unmatched) std::printf("; %d of %d pairs could not be told apart", motion.unmatched, motion.pairs);
    std::printf(")\n");
    std::printf(
        "  expected %6.1f fps   (a window timer set for the next frame fires every %.1f ms; the first\n"
        "                         turn more than %u ms after a frame comes %.1f ms after it)\n",
        expected, cadence.timerPeriodMs, CreditsScroller::kFrameIntervalMs, cadence.frameIntervalMs);
    std::printf("  ratio %.2f (measured to expected)\n", measured / expected);
    return rollingWithinAim ? 0 : 1;
}
