#include "screen_check.h"

#include "driver.h"

namespace driver {
namespace {

std::wstring Widen(const std::string& text) { return {text.begin(), text.end()}; }

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t ch : text) narrow += ch < 0x80 ? static_cast<char>(ch) : '?';
    return narrow;
}

}  // namespace

std::wstring EvidencePath(const std::wstring& what) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::wstring name = test ? Widen(test->test_suite_name()) + L"." + Widen(test->name()) : L"outside-a-test";
    return ArtefactPath(name + L"-" + what + L".bmp");
}

::testing::AssertionResult WaitForScreen(const std::function<RECT()>& area, const ScreenExpectation& expectation,
                                         const std::wstring& what, std::chrono::milliseconds timeout,
                                         ScreenImage* seen) {
    ScreenImage image;
    std::string measured;
    RECT last{};
    const bool held = WaitUntil(timeout, [&] {
        last = area();
        image = CaptureScreen(last);
        measured.clear();
        return image.width > 0 && expectation.holds(image, measured);
    });
    if (seen) *seen = image;
    if (held) return ::testing::AssertionSuccess();

    auto failure = ::testing::AssertionFailure();
    failure << Narrow(what) << ": expected " << expectation.expected << " within " << timeout.count() << " ms, in ("
            << last.left << "," << last.top << ")-(" << last.right << "," << last.bottom << ")";
    if (!measured.empty()) failure << "; measured " << measured;
    if (image.width == 0) return failure << "; the area could not be read";
    const std::wstring path = EvidencePath(what);
    if (!SaveBitmap(image, path)) return failure << "; what the screen showed could not be kept";
    failure << "; what the screen showed is in " << Narrow(path);
    // The whole screen tells what covered the area, and where the window went.
    const ScreenImage screen =
        CaptureScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    const std::wstring screenPath = EvidencePath(what + L"-whole-screen");
    if (screen.width > 0 && SaveBitmap(screen, screenPath)) failure << ", the whole screen in " << Narrow(screenPath);
    return failure;
}

}  // namespace driver
