#include "platform/win32_font_files.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "platform/unique_handle.h"
#include "platform/win32_special_folder_path.h"

namespace {

// Long enough for a busy window to answer; a hung one is skipped at once.
constexpr UINT kBroadcastTimeoutMs = 3000;

}  // namespace

bool Win32FontFiles::Unregister(std::wstring_view file) {
    return RemoveFontResourceW(std::wstring(file).c_str()) != 0;
}

bool Win32FontFiles::Register(std::wstring_view path) { return AddFontResourceW(std::wstring(path).c_str()) != 0; }

void Win32FontFiles::BroadcastFontChange() {
    SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, nullptr);
}

bool Win32FontFiles::Move(std::wstring_view from, std::wstring_view to) {
    // Without MOVEFILE_REPLACE_EXISTING an existing target is never replaced.
    return MoveFileW(std::wstring(from).c_str(), std::wstring(to).c_str()) != 0;
}

bool Win32FontFiles::Copy(std::wstring_view from, std::wstring_view to) {
    // bFailIfExists: a file already at the target is never replaced.
    return CopyFileW(std::wstring(from).c_str(), std::wstring(to).c_str(), TRUE) != 0;
}

bool Win32FontFiles::Delete(std::wstring_view path) { return DeleteFileW(std::wstring(path).c_str()) != 0; }

bool Win32FontFiles::Exists(std::wstring_view path) {
    const DWORD attributes = GetFileAttributesW(std::wstring(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FontFiles::Occupied(std::wstring_view path) {
    return GetFileAttributesW(std::wstring(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FontFiles::IsProtected(std::wstring_view path) {
    // sfc.dll is not on every system (nor under every emulation of one):
    // without it nothing is known to be protected.
    using SfcIsFileProtectedFunction = BOOL(WINAPI*)(HANDLE, LPCWSTR);
    const unique_hmodule sfc(LoadLibraryExW(L"sfc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!sfc) return false;
    const auto isProtected = reinterpret_cast<SfcIsFileProtectedFunction>(
        reinterpret_cast<void*>(GetProcAddress(sfc.get(), "SfcIsFileProtected")));
    return isProtected && isProtected(nullptr, std::wstring(path).c_str()) != FALSE;
}

std::wstring Win32FontFiles::FontsFolder() { return mGetLocation::GetSpecialFolderPath(CSIDL_FONTS); }
