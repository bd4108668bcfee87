#pragma once

#include <windows.h>

#include <string_view>

#include "common/restart_prompt.h"

namespace mRestart {

// EWX_REBOOT with EWX_FORCE: restart, closing applications that hold out.
inline constexpr DWORD kForcedReboot = EWX_REBOOT | EWX_FORCE;

// The shell's restart prompt, owned by the window. shell32 exports it by
// ordinal only. Returns the dialog's answer, or 0 when it is unavailable.
int RestartDialog(HWND owner, std::wstring_view prompt, DWORD reason);

// The restart prompt as the fix and the restore offer it.
class ShellRestartPrompt final : public RestartPrompt {
public:
    explicit ShellRestartPrompt(HWND owner) noexcept : owner_(owner) {}
    void Offer(std::wstring_view text) override;

private:
    HWND owner_;
};

}  // namespace mRestart
