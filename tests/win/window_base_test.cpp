#include "platform/win32_window_base.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Records what hwnd() said at the first, the creation and the last message.
class Probe : public Win32WindowBase<Probe> {
public:
    bool Create(HWND parent) { return CreateWindowNow(0, L"", parent ? WS_CHILD : WS_POPUP, 0, 0, 9, 9, parent); }
    std::vector<HWND> seen;

private:
    friend Win32WindowBase<Probe>;
    static constexpr const wchar_t* kWindowClass = L"GlyphorWindowBaseProbe";
    static HBRUSH WindowBackground() { return nullptr; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        if (message == WM_NCCREATE || message == WM_CREATE || message == WM_NCDESTROY) seen.push_back(hwnd());
        return DefaultHandling(message, wParam, lParam);
    }
};

TEST(WindowBase, KnowsItsHandleFromFirstToLastMessageAndNeverDestroysItTwice) {
    Probe parent;
    ASSERT_TRUE(parent.Create(nullptr));
    auto child = std::make_unique<Probe>();
    ASSERT_TRUE(child->Create(parent.hwnd()));
    const HWND childWindow = child->hwnd();
    DestroyWindow(parent.hwnd());  // takes the child with it
    EXPECT_EQ(child->seen, (std::vector<HWND>{childWindow, childWindow, childWindow}));
    EXPECT_EQ(child->hwnd(), nullptr);
    // A window made since may reuse the handle; the child's object must not touch it.
    Probe later;
    ASSERT_TRUE(later.Create(nullptr));
    child.reset();
    EXPECT_TRUE(IsWindow(later.hwnd()));
}

// Logs each message it handles into a log that outlives it, and its own end.
class Logger : public Win32WindowBase<Logger> {
public:
    explicit Logger(std::vector<UINT>& log) : log_(&log) {}
    ~Logger() { log_->push_back(kGone); }
    bool Create() { return CreateWindowNow(0, L"", WS_POPUP, 0, 0, 9, 9, nullptr); }
    static constexpr UINT kGone = WM_APP + 1;

private:
    friend Win32WindowBase<Logger>;
    static constexpr const wchar_t* kWindowClass = L"GlyphorWindowBaseLogger";
    static HBRUSH WindowBackground() { return nullptr; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        log_->push_back(message);
        return DefaultHandling(message, wParam, lParam);
    }
    std::vector<UINT>* log_;
};

// A derived class that leaves the destruction to the base: the window's
// last messages come after the derived object is gone, and must not reach it.
TEST(WindowBase, NoHandlerRunsOnceTheObjectIsDestroyed) {
    std::vector<UINT> log;
    HWND window = nullptr;
    {
        Logger logger(log);
        ASSERT_TRUE(logger.Create());
        window = logger.hwnd();
    }
    EXPECT_FALSE(IsWindow(window));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), Logger::kGone) << "message " << log.back() << " reached the destroyed object";
    EXPECT_EQ(std::count(log.begin(), log.end(), Logger::kGone), 1);
}

}  // namespace
