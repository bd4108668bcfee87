#include "platform/win32_restart_dialog.h"

#include <gtest/gtest.h>

#include <thread>

#include "own_dialog.h"
#include "platform/unique_handle.h"

// The prompt is the shell's own and modal; a second thread declines it.
TEST(RestartDialog, ShowsTheShellPromptOwnedByTheWindow) {
    const unique_hwnd owner(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                            nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner);
    HWND dialog = nullptr, dialogOwner = nullptr;
    std::thread decline([&] {
        dialog = WaitForOwnDialog();
        if (!dialog) return;
        dialogOwner = GetWindow(dialog, GW_OWNER);
        PostMessageW(dialog, WM_COMMAND, IDNO, 0);
    });
    EXPECT_TRUE(mRestart::ShellRestartPrompt(owner.get())
                    .Offer(L"Your default font has been changed to \u09B2\u09BF\u0996\u09A8.\r\n"));
    decline.join();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialogOwner, owner.get());
}

// A restart that forces every program would throw away unsaved work.
TEST(RestartDialog, RestartsAskingProgramsAndForcingOnlyHungOnes) {
    EXPECT_EQ(mRestart::kRestartReason & EWX_FORCE, 0u);
    EXPECT_EQ(mRestart::kRestartReason, static_cast<DWORD>(EWX_REBOOT | EWX_FORCEIFHUNG));
}
