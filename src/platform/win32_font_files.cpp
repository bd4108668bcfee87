#include "platform/win32_font_files.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "platform/win32_special_folder_path.h"

namespace {

// Long enough for a busy window to answer; a hung one is skipped at once.
constexpr UINT kBroadcastTimeoutMs = 3000;

}  // namespace

bool Win32FontFiles::Unregister(std::wstring_view file) {
    return RemoveFontResourceW(std::wstring(file).c_str()) != 0;
}

void Win32FontFiles::BroadcastFontChange() {
    SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, nullptr);
}

bool Win32FontFiles::Move(std::wstring_view from, std::wstring_view to) {
    // Without MOVEFILE_REPLACE_EXISTING an existing target is never replaced.
    return MoveFileW(std::wstring(from).c_str(), std::wstring(to).c_str()) != 0;
}

bool Win32FontFiles::Delete(std::wstring_view path) { return DeleteFileW(std::wstring(path).c_str()) != 0; }

bool Win32FontFiles::Exists(std::wstring_view path) {
    const DWORD attributes = GetFileAttributesW(std::wstring(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Win32FontFiles::FontsFolder() { return mGetLocation::GetSpecialFolderPath(CSIDL_FONTS); }
