#include "platform/win32_restart_dialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/unique_handle.h"

namespace {

struct Answer {
    DWORD thread;
    std::atomic<HWND> dialog{nullptr};
    std::atomic<HWND> owner{nullptr};
};

BOOL CALLBACK TakeDialog(HWND window, LPARAM answer) {
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    if (lstrcmpW(kind, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    auto* seen = reinterpret_cast<Answer*>(answer);
    seen->owner = GetWindow(window, GW_OWNER);
    seen->dialog = window;
    return FALSE;
}

}  // namespace

// The prompt is the shell's own and modal; a second thread declines it.
TEST(RestartDialog, ShowsTheShellPromptOwnedByTheWindow) {
    const unique_hwnd owner(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                            nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner);
    Answer answer{GetCurrentThreadId()};
    std::thread decline([&answer] {
        for (int tries = 0; tries < 200 && !answer.dialog; ++tries) {
            EnumThreadWindows(answer.thread, TakeDialog, reinterpret_cast<LPARAM>(&answer));
            Sleep(50);
        }
        if (answer.dialog) PostMessageW(answer.dialog, WM_COMMAND, IDNO, 0);
    });
    EXPECT_TRUE(mRestart::ShellRestartPrompt(owner.get())
                    .Offer(L"Your default font has been changed to \u09B2\u09BF\u0996\u09A8.\r\n"));
    decline.join();
    ASSERT_NE(answer.dialog.load(), nullptr);
    EXPECT_EQ(answer.owner.load(), owner.get());
}

// A restart that forces every program would throw away unsaved work.
TEST(RestartDialog, RestartsAskingProgramsAndForcingOnlyHungOnes) {
    EXPECT_EQ(mRestart::kRestartReason & EWX_FORCE, 0u);
    EXPECT_EQ(mRestart::kRestartReason, static_cast<DWORD>(EWX_REBOOT | EWX_FORCEIFHUNG));
}
