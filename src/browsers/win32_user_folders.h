#pragma once

#include <vector>

#include "browsers/find_browser_profiles.h"

class Registry;

// This user's folders, as the shell knows them.
UserFolders ReadCurrentUserFolders();

// Every person's folders on this machine, for a run as the system account.
std::vector<UserFolders> ReadAllUserFolders(Registry& registry);
