#include "browsers/win32_profile_files.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace {

// Larger than any settings file a browser writes; a bigger one is not read
// into memory whole.
constexpr LONGLONG kLargestSettingsFile = 256LL * 1024 * 1024;

unique_handle OpenFile(const std::wstring& path, DWORD access, DWORD sharing, DWORD disposition, DWORD flags) {
    const HANDLE opened = CreateFileW(path.c_str(), access, sharing, nullptr, disposition, flags, nullptr);
    return unique_handle(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
}

bool WriteWhole(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

}  // namespace

ProfileFiles::Contents Win32ProfileFiles::Read(std::wstring_view path) {
    // Shared every way: a browser that has the file open must not notice the read.
    const unique_handle file = OpenFile(std::wstring(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (!file) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? Contents::State::Missing : Contents::State::Unreadable, {}};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestSettingsFile) return {Contents::State::Unreadable, {}};
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &read, nullptr))
            return {Contents::State::Unreadable, {}};
        if (read == 0) break;  // shorter than it was a moment ago
        filled += read;
    }
    bytes.resize(filled);
    return {Contents::State::Read, std::move(bytes)};
}

std::vector<std::wstring> Win32ProfileFiles::Folders(std::wstring_view folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW((std::wstring(folder) + L"\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchLimitToDirectories, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        // The search may report files as well: the limit is only a hint.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool Win32ProfileFiles::IsLockHeld(std::wstring_view lockFile) {
    // Asking to write while sharing everything: Chromium shares its lock for
    // reading only and Firefox not at all, so the open fails while either
    // runs. A lock left behind by a browser that is gone opens.
    const unique_handle lock = OpenFile(std::wstring(lockFile), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL);
    if (lock) return false;
    const DWORD error = GetLastError();
    // Another failure (no right to the file, say) cannot tell: the profile
    // is taken to be in use, since editing a running browser's settings loses the edit.
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

ProfileFiles::Replaced Win32ProfileFiles::Replace(std::wstring_view path, std::string_view bytes) {
    const std::wstring target(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return Replaced::ReadOnly;

    // The new file goes beside the old one: a move within a volume replaces
    // in one step, where a copy from elsewhere could leave half a file.
    wchar_t temporary[MAX_PATH + 1] = {};
    if (!GetTempFileNameW(FolderOf(target).c_str(), L"gly", 0, temporary)) return Replaced::Failed;
    bool written = false;
    {
        const unique_handle file =
            OpenFile(temporary, GENERIC_WRITE, 0, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL);
        written = file && WriteWhole(file.get(), bytes) && FlushFileBuffers(file.get());
    }
    if (written && MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Replaced::Done;
    DeleteFileW(temporary);
    return Replaced::Failed;
}
