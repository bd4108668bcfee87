#include "platform/win32_window_base.h"

#include <gtest/gtest.h>

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

}  // namespace
