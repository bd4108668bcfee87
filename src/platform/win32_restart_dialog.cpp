#include "platform/win32_restart_dialog.h"

#include <string>

#include "platform/unique_handle.h"

namespace mRestart {
namespace {

using RestartDialogFunction = int(WINAPI*)(HWND, PCWSTR, DWORD);
constexpr WORD kRestartDialogOrdinal = 59;

}  // namespace

std::optional<int> RestartDialog(HWND owner, std::wstring_view prompt, DWORD reason) {
    const unique_hmodule shell32(LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!shell32) return std::nullopt;
    const auto function = reinterpret_cast<RestartDialogFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell32.get(), MAKEINTRESOURCEA(kRestartDialogOrdinal))));
    if (!function) return std::nullopt;
    const std::wstring text(prompt);
    return function(owner, text.c_str(), reason);
}

bool ShellRestartPrompt::Offer(std::wstring_view text) { return RestartDialog(owner_, text, kRestartReason).has_value(); }

}  // namespace mRestart
