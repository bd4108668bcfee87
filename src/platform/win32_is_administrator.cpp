#include "platform/win32_is_administrator.h"

#include <cstdint>
#include <vector>

#include "platform/unique_handle.h"

namespace mAPIs {
namespace {

// The local Administrators group, BUILTIN\Administrators; empty when it cannot be made.
unique_sid AdministratorsSid() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    unique_sid administrators;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                  0, 0, 0, administrators.put()) ||
        !IsValidSid(administrators.get()))
        return {};
    return administrators;
}

}  // namespace

bool GroupsIncludeAdministrators(const TOKEN_GROUPS& groups) {
    const unique_sid administrators = AdministratorsSid();
    if (!administrators) return false;

    for (DWORD i = 0; i < groups.GroupCount; ++i) {
        const PSID sid = groups.Groups[i].Sid;
        if (sid && IsValidSid(sid) && EqualSid(sid, administrators.get())) return true;
    }
    return false;
}

bool IsAdministrator() {
    // OpenAsSelf: the thread's own token is checked in the process's security
    // context, whoever the thread may impersonate.
    unique_handle token;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, token.put()) &&
        !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()))
        return false;

    DWORD size = 0;
    GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &size);
    if (size == 0) return false;

    // Eight-byte words keep the pointers inside TOKEN_GROUPS aligned on 64 bits.
    std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    if (!GetTokenInformation(token.get(), TokenGroups, buffer.data(), size, &size)) return false;
    return GroupsIncludeAdministrators(*reinterpret_cast<const TOKEN_GROUPS*>(buffer.data()));
}

bool IsElevatedAdministrator() {
    const unique_sid administrators = AdministratorsSid();
    if (!administrators) return false;
    BOOL member = FALSE;
    return CheckTokenMembership(nullptr, administrators.get(), &member) && member;
}

}  // namespace mAPIs
