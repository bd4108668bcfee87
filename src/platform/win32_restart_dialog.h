#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "common/restart_prompt.h"

namespace mRestart {

// Restart, asking every program to close and forcing only those that hang:
// EWX_FORCE would end them all unasked and lose their unsaved work.
inline constexpr DWORD kRestartReason = EWX_REBOOT | EWX_FORCEIFHUNG;

// The shell's restart prompt, owned by the window. shell32 exports it by
// ordinal only. The dialog's answer, or nothing when it is unavailable.
std::optional<int> RestartDialog(HWND owner, std::wstring_view prompt, DWORD reason);

// The restart prompt as the fix and the restore offer it.
class ShellRestartPrompt final : public RestartPrompt {
public:
    explicit ShellRestartPrompt(HWND owner) noexcept : owner_(owner) {}
    bool Offer(std::wstring_view text) override;

private:
    HWND owner_;
};

}  // namespace mRestart
