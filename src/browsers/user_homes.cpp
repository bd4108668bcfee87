#include "browsers/user_homes.h"

#include "common/text.h"
#include "platform/registry_access.h"

namespace {

bool IsPersonsAccount(std::wstring_view sid) {
    constexpr std::wstring_view kDomainOrLocalUser = L"S-1-5-21-";
    return sid.size() > kDomainOrLocalUser.size() && EqualNoCase(sid.substr(0, kDomainOrLocalUser.size()), kDomainOrLocalUser);
}

std::wstring WithSeparator(std::wstring_view path) {
    std::wstring folder(path);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

}  // namespace

std::vector<std::wstring> ListUserHomes(Registry& registry) {
    std::vector<std::wstring> homes;
    for (const std::wstring& sid : registry.SubkeyNames(RegistryRoot::LocalMachine, kProfileListPath)) {
        if (!IsPersonsAccount(sid)) continue;
        const std::wstring home = mRegistry::ReadRegistryText(registry, RegistryRoot::LocalMachine,
                                                              std::wstring(kProfileListPath) + L"\\" + sid,
                                                              L"ProfileImagePath");
        if (!home.empty()) homes.push_back(home);
    }
    return homes;
}

UserFolders FoldersUnderHome(std::wstring_view home) {
    const std::wstring folder = WithSeparator(home);
    return {folder, folder + L"AppData\\Local\\", folder + L"AppData\\Roaming\\", false};
}
