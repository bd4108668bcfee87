#include "platform/win32_window_base.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records what hwnd() said as each message arrived.
class Probe : public Win32WindowBase<Probe> {
public:
    bool Create(HWND parent) {
        return CreateWindowNow(0, L"", parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent);
    }

    struct Seen {
        UINT message;
        HWND window;
    };
    std::vector<Seen> seen;

private:
    friend Win32WindowBase<Probe>;
    static constexpr const wchar_t* kWindowClass = L"GlyphorWindowBaseProbe";
    static HBRUSH WindowBackground() { return nullptr; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        if (message == WM_NCCREATE || message == WM_CREATE || message == WM_NCDESTROY)
            seen.push_back({message, hwnd()});
        return DefaultHandling(message, wParam, lParam);
    }
};

TEST(WindowBase, TheHandleIsKnownFromTheFirstMessageToTheLast) {
    Probe probe;
    ASSERT_TRUE(probe.Create(nullptr));
    const HWND window = probe.hwnd();
    ASSERT_TRUE(IsWindow(window));
    DestroyWindow(window);
    EXPECT_EQ(probe.hwnd(), nullptr);
    ASSERT_EQ(probe.seen.size(), 3u);
    EXPECT_EQ(probe.seen[0].message, static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(probe.seen[1].message, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(probe.seen[2].message, static_cast<UINT>(WM_NCDESTROY));
    for (const auto& s : probe.seen) EXPECT_EQ(s.window, window) << "message " << s.message;
}

TEST(WindowBase, AChildDestroyedWithItsParentIsNotDestroyedAgain) {
    Probe parent;
    ASSERT_TRUE(parent.Create(nullptr));
    auto child = std::make_unique<Probe>();
    ASSERT_TRUE(child->Create(parent.hwnd()));
    const HWND childWindow = child->hwnd();
    DestroyWindow(parent.hwnd());
    EXPECT_FALSE(IsWindow(childWindow));
    EXPECT_EQ(child->hwnd(), nullptr);
    // A window made since may reuse the handle; the child's object must not touch it.
    Probe later;
    ASSERT_TRUE(later.Create(nullptr));
    child.reset();
    EXPECT_TRUE(IsWindow(later.hwnd()));
}

}  // namespace
