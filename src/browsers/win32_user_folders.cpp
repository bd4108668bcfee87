#include "browsers/win32_user_folders.h"

#include <windows.h>

#include <shlobj.h>

#include "browsers/user_homes.h"
#include "platform/win32_special_folder_path.h"

namespace {

std::wstring ExpandVariables(const std::wstring& text) {
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::wstring expanded(needed, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    expanded.resize(written - 1);
    return expanded;
}

}  // namespace

UserFolders ReadCurrentUserFolders() {
    return {mGetLocation::GetSpecialFolderPath(CSIDL_PROFILE), mGetLocation::GetSpecialFolderPath(CSIDL_LOCAL_APPDATA),
            mGetLocation::GetSpecialFolderPath(CSIDL_APPDATA), true};
}

std::vector<UserFolders> ReadAllUserFolders(Registry& registry) {
    std::vector<UserFolders> users;
    for (const std::wstring& home : ListUserHomes(registry)) users.push_back(FoldersUnderHome(ExpandVariables(home)));
    return users;
}
