#include "browsers/find_browser_profiles.h"

#include <gtest/gtest.h>

#include <functional>

#include "browsers/chromium_preferences.h"
#include "browsers/firefox_prefs.h"
#include "memory_registry.h"
#include "platform/registry_access.h"
#include "profile_fakes.h"

namespace {

const UserFolders kUser{L"C:\\Users\\Rumi\\", L"C:\\Users\\Rumi\\AppData\\Local\\",
                        L"C:\\Users\\Rumi\\AppData\\Roaming\\"};
const std::wstring kChrome = L"C:\\Users\\Rumi\\AppData\\Local\\Google\\Chrome\\User Data";
const std::wstring kFirefox = L"C:\\Users\\Rumi\\AppData\\Roaming\\Mozilla\\Firefox";
const std::wstring kChromePolicy = L"SOFTWARE\\Policies\\Google\\Chrome";

struct ProfileRig {
    FakeProfileFiles files;
    MemoryRegistry registry;
    UserFolders user = kUser;

    void Preferences(const std::wstring& folder) { files.files[folder + L"\\Preferences"] = "{}"; }
    void Policy(RegistryRoot root, std::wstring_view folder) {
        registry.Put(root, kChromePolicy, L"UserDataDir", mRegistry::TextValue(folder));
    }
    // Each profile as "Browser folder [name]", and "moved" when it is.
    std::vector<std::wstring> Found() {
        std::vector<std::wstring> found;
        for (const BrowserProfile& p : FindBrowserProfiles(files, registry, user))
            found.push_back(std::wstring(p.browser->id) + L" " + p.folder + L" [" + p.name + L"]" +
                            (p.moved ? L" moved" : L""));
        return found;
    }
};

}  // namespace

TEST(BrowserProfiles, LocalStateListsItsProfilesInItsOrder) {
    struct Case {
        const char* name;
        std::string localState;
        std::optional<std::vector<ListedProfile>> profiles;
    };
    const Case cases[] = {
        {"names, a missing one, file order",
         R"({"profile":{"info_cache":{"Profile 2":{"name":"Work"},"Default":{"name":"\u09B2"},"Profile 1":{}}}})",
         std::vector<ListedProfile>{{L"Profile 2", L"Work"}, {L"Default", L"\u09B2"}, {L"Profile 1", L""}}},
        {"an empty list", R"({"profile":{"info_cache":{}}})", std::vector<ListedProfile>{}},
        {"no list", R"({"profile":{}})", std::nullopt},
        {"not JSON", R"({"profile":)", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ListChromiumProfiles(c.localState), c.profiles) << c.name;
}

TEST(BrowserProfiles, ProfilesIniListsItsProfilesWithTheirFullPaths) {
    const std::wstring folder = L"C:\\Users\\Rumi\\AppData\\Roaming\\Mozilla\\Firefox\\";
    struct Case {
        const char* name;
        std::string ini;
        std::vector<ListedProfile> profiles;
    };
    const Case cases[] = {
        {"relative and absolute, in file order, past other sections",
         "[Install308046B0AF4A39CB]\nDefault=Profiles/x.default-release\n\n[General]\nStartWithLastProfile=1\n\n"
         "[Profile1]\nName=Work\nIsRelative=0\nPath=D:/Firefox/work/\n\n"
         "[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/x.default-release\nDefault=1\n",
         {{L"D:\\Firefox\\work", L"Work"}, {folder + L"Profiles\\x.default-release", L"default-release"}}},
        {"a byte-order mark, CRLF, a share and a name in UTF-8",
         "\xEF\xBB\xBF[Profile0]\r\nName=\xE0\xA6\xB2\r\nIsRelative=0\r\nPath=\\\\server\\p\r\n",
         {{L"\\\\server\\p", L"\u09B2"}}},
        {"no name", "[Profile0]\nIsRelative=1\nPath=Profiles\\y\n", {{folder + L"Profiles\\y", L""}}},
        {"a relative path not marked so, no path, a path not UTF-8",
         "[Profile0]\nPath=Profiles/z\n[Profile1]\nName=n\n[Profile2]\nIsRelative=1\nPath=\xC0\xAF\n", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ListFirefoxProfiles(c.ini, folder), c.profiles) << c.name;
}

TEST(BrowserProfiles, FindsTheProfilesThatHoldSettingsInTheOrderOfTheirLists) {
    const std::wstring edge = L"C:\\Users\\Rumi\\AppData\\Local\\Microsoft\\Edge\\User Data";
    struct Case {
        const char* name;
        std::function<void(ProfileRig&)> arrange;
        std::vector<std::wstring> found;
    };
    const Case cases[] = {
        {"nothing installed", {}, {}},
        {"listed in Local State, in its order, only with Preferences",
         [&](ProfileRig& r) {
             r.files.files[kChrome + L"\\Local State"] =
                 R"({"profile":{"info_cache":{"Profile 1":{"name":"Work"},"Default":{},"Profile 2":{},"..":{}}}})";
             r.Preferences(kChrome + L"\\Default");
             r.Preferences(kChrome + L"\\Profile 1");
             r.files.files[kChrome + L"\\..\\Preferences"] = "{}";
             r.files.unreadable.insert(kChrome + L"\\Profile 3\\Preferences");
         },
         {L"Chrome " + kChrome + L"\\Profile 1 [Work]", L"Chrome " + kChrome + L"\\Default [Default]"}},
        {"no Local State: the folders that hold Preferences, readable or not",
         [&](ProfileRig& r) {
             r.Preferences(edge + L"\\Default");
             r.files.unreadable.insert(edge + L"\\Profile 2\\Preferences");
             r.files.folders.insert(edge + L"\\Crashpad");
         },
         {L"Edge " + edge + L"\\Default [Default]", L"Edge " + edge + L"\\Profile 2 [Profile 2]"}},
        {"a Local State that lists none, or does not parse, is no list",
         [&](ProfileRig& r) {
             r.files.files[edge + L"\\Local State"] = R"({"profile":{"info_cache":{}}})";
             r.Preferences(edge + L"\\Default");
             r.files.files[kChrome + L"\\Local State"] = "{";
             r.Preferences(kChrome + L"\\Default");
         },
         {L"Edge " + edge + L"\\Default [Default]", L"Chrome " + kChrome + L"\\Default [Default]"}},
        {"a policy that cannot be read", [&](ProfileRig& r) { r.registry.RefuseReads(L"UserDataDir"); },
         {L"Edge  [] moved", L"Chrome  [] moved", L"Brave  [] moved"}},
        {"Firefox's profiles with prefs.js, named by their folder when profiles.ini gives none",
         [&](ProfileRig& r) {
             r.files.files[kFirefox + L"\\profiles.ini"] =
                 "[Profile0]\nIsRelative=1\nPath=Profiles/a.default\n[Profile1]\nName=gone\nIsRelative=1\nPath=b\n";
             r.files.files[kFirefox + L"\\Profiles\\a.default\\prefs.js"] = "";
         },
         {L"Firefox " + kFirefox + L"\\Profiles\\a.default [a.default]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileRig rig;
        if (c.arrange) c.arrange(rig);
        EXPECT_EQ(rig.Found(), c.found);
    }
}

TEST(BrowserProfiles, TheUserDataDirPolicyMovesTheProfilesOrLeavesThemUnresolved) {
    struct Case {
        const char* name;
        std::wstring machine;
        std::wstring user;
        bool current;
        std::wstring found;
    };
    const Case cases[] = {
        {"none", L"", L"", true, L"Chrome " + kChrome + L"\\Default [Default]"},
        {"the machine's, its variables in any case, before the user's", L"${LOCAL_APP_DATA}/Chrome Data\\", L"D:\\x",
         true, L"Chrome C:\\Users\\Rumi\\AppData\\Local\\Chrome Data\\Default [Default]"},
        {"the user's", L"", L"${profile}\\c", true, L"Chrome C:\\Users\\Rumi\\c\\Default [Default]"},
        {"another user's is not in this one's HKCU", L"", L"D:\\x", false,
         L"Chrome " + kChrome + L"\\Default [Default]"},
        {"a variable Glyphor cannot know", L"${user_name}\\c", L"", true, L"Chrome ${user_name}\\c [] moved"},
        {"an environment variable", L"", L"%LOCALAPPDATA%\\c", true, L"Chrome %LOCALAPPDATA%\\c [] moved"},
        {"a relative folder", L"Chrome", L"", true, L"Chrome Chrome [] moved"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileRig rig;
        rig.user.current = c.current;
        if (!c.machine.empty()) rig.Policy(RegistryRoot::LocalMachine, c.machine);
        if (!c.user.empty()) rig.Policy(RegistryRoot::CurrentUser, c.user);
        for (const std::wstring& folder : {kChrome, std::wstring(L"C:\\Users\\Rumi\\AppData\\Local\\Chrome Data"),
                                          std::wstring(L"C:\\Users\\Rumi\\c")})
            rig.Preferences(folder + L"\\Default");
        EXPECT_EQ(rig.Found(), std::vector<std::wstring>{c.found});
    }
}
