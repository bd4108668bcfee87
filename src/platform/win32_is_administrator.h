#pragma once

#include <windows.h>

namespace mAPIs {

// True when the group list holds the built-in Administrators group
// (S-1-5-32-544). Every listed group is looked at; attributes are not, so a
// deny-only Administrators entry still counts.
bool GroupsIncludeAdministrators(const TOKEN_GROUPS& groups);

// Whether the access token of the current thread, or else of the process,
// lists the Administrators group. False on every failure.
bool IsAdministrator();

// Whether the Administrators group is enabled in the effective token. An
// administrator's unelevated token lists it deny-only; HKLM writes then fail.
bool IsElevatedAdministrator();

}  // namespace mAPIs
