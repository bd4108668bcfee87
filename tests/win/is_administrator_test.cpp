#include "platform/win32_is_administrator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/unique_handle.h"

namespace {

unique_sid MakeSid(BYTE authorityValue, std::vector<DWORD> rids) {
    SID_IDENTIFIER_AUTHORITY authority{{0, 0, 0, 0, 0, authorityValue}};
    rids.resize(8, 0);
    unique_sid sid;
    AllocateAndInitializeSid(&authority, 2, rids[0], rids[1], 0, 0, 0, 0, 0, 0, sid.put());
    return sid;
}

// A TOKEN_GROUPS of any length, laid out as the token query lays it out.
class GroupList {
public:
    void Add(PSID sid, DWORD attributes = SE_GROUP_ENABLED | SE_GROUP_MANDATORY) { entries_.push_back({sid, attributes}); }

    const TOKEN_GROUPS& Get() {
        const std::size_t bytes = offsetof(TOKEN_GROUPS, Groups) + sizeof(SID_AND_ATTRIBUTES) * (entries_.size() + 1);
        storage_.assign((bytes + 7) / 8, 0);
        auto* groups = reinterpret_cast<TOKEN_GROUPS*>(storage_.data());
        groups->GroupCount = static_cast<DWORD>(entries_.size());
        for (std::size_t i = 0; i < entries_.size(); ++i) groups->Groups[i] = entries_[i];
        return *groups;
    }

private:
    std::vector<SID_AND_ATTRIBUTES> entries_;
    std::vector<std::uint64_t> storage_;
};

class AdministratorGroups : public ::testing::Test {
protected:
    unique_sid administrators = MakeSid(5, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS});
    unique_sid users = MakeSid(5, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS});
    unique_sid everyone = MakeSid(1, {SECURITY_WORLD_RID});
};

}  // namespace

TEST_F(AdministratorGroups, AbsentOrEmptyListsAreNotAdministrators) {
    GroupList none;
    EXPECT_FALSE(mAPIs::GroupsIncludeAdministrators(none.Get()));

    GroupList ordinary;
    ordinary.Add(everyone.get());
    ordinary.Add(users.get());
    EXPECT_FALSE(mAPIs::GroupsIncludeAdministrators(ordinary.Get()));
}

TEST_F(AdministratorGroups, PresentAnywhereInTheListCounts) {
    GroupList first;
    first.Add(administrators.get());
    EXPECT_TRUE(mAPIs::GroupsIncludeAdministrators(first.Get()));

    // Domain members often carry dozens of groups; the 30th must still count.
    GroupList thirtieth;
    for (int i = 0; i < 29; ++i) thirtieth.Add(i % 2 ? users.get() : everyone.get());
    thirtieth.Add(administrators.get());
    EXPECT_TRUE(mAPIs::GroupsIncludeAdministrators(thirtieth.Get()));
}

TEST_F(AdministratorGroups, AttributesAreNotExamined) {
    GroupList denyOnly;
    denyOnly.Add(everyone.get());
    denyOnly.Add(administrators.get(), SE_GROUP_USE_FOR_DENY_ONLY);
    EXPECT_TRUE(mAPIs::GroupsIncludeAdministrators(denyOnly.Get()));
}

TEST_F(AdministratorGroups, InvalidEntriesArePassedOver) {
    BYTE garbage[16] = {0xEE, 0xEE};
    GroupList list;
    list.Add(nullptr);
    list.Add(garbage);
    list.Add(administrators.get());
    EXPECT_TRUE(mAPIs::GroupsIncludeAdministrators(list.Get()));
}

TEST(IsAdministrator, ReadsTheRealTokenOfProcessAndThread) {
    // Wine's user is always an administrator.
    EXPECT_TRUE(mAPIs::IsAdministrator());
    ASSERT_TRUE(ImpersonateSelf(SecurityImpersonation));
    EXPECT_TRUE(mAPIs::IsAdministrator());
    RevertToSelf();
}
