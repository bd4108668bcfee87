#include "platform/win32_restart_dialog.h"

#include <string>

#include "platform/unique_handle.h"

namespace mRestart {
namespace {

using RestartDialogFunction = int(WINAPI*)(HWND, PCWSTR, DWORD);
constexpr WORD kRestartDialogOrdinal = 59;

}  // namespace

int RestartDialog(HWND owner, std::wstring_view prompt, DWORD reason) {
    const unique_hmodule shell32(LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!shell32) return 0;
    const auto function = reinterpret_cast<RestartDialogFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell32.get(), MAKEINTRESOURCEA(kRestartDialogOrdinal))));
    if (!function) return 0;
    const std::wstring text(prompt);
    return function(owner, text.c_str(), reason);
}

void ShellRestartPrompt::Offer(std::wstring_view text) { RestartDialog(owner_, text, kForcedReboot); }

}  // namespace mRestart
