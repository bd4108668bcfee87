#include "platform/win32_special_folder_path.h"

#include <windows.h>

#include <shlobj.h>

#include <array>

#include "platform/folder_path.h"
#include "platform/unique_handle.h"

namespace mGetLocation {

std::wstring GetSpecialFolderPath(int csidl) {
    unique_cotaskmem<ITEMIDLIST_ABSOLUTE> items;
    if (SHGetSpecialFolderLocation(nullptr, csidl, items.put()) != S_OK) return {};
    std::array<wchar_t, MAX_PATH> path{};
    if (!SHGetPathFromIDListW(items.get(), path.data())) return {};
    return FolderPathWithSeparator(path.data());
}

}  // namespace mGetLocation
