#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "browsers/find_browser_profiles.h"

class Registry;

inline constexpr std::wstring_view kProfileListPath = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

// The home folders of the people who sign in to this machine, as
// ProfileList holds them (environment variables not yet expanded). The
// system's own accounts (LocalSystem, LocalService, NetworkService) and any
// other that is not a person's, which has no S-1-5-21 identifier, are left out.
std::vector<std::wstring> ListUserHomes(Registry& registry);

// A user's folders as Windows lays them out under the home folder; `home`
// already expanded. Another user's own relocation of them is in that
// user's hive, which is not loaded while they are signed out.
UserFolders FoldersUnderHome(std::wstring_view home);
