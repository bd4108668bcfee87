#include "browsers/find_browser_profiles.h"

#include <algorithm>
#include <optional>

#include "browsers/chromium_preferences.h"
#include "browsers/firefox_prefs.h"
#include "browsers/profile_files.h"
#include "common/text.h"
#include "platform/registry_access.h"

namespace {

std::wstring WithoutTrailingBackslash(std::wstring_view path) {
    while (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
    return std::wstring(path);
}

// A name Local State gives that is one folder inside User Data, not a way out of it.
bool IsPlainFolderName(std::wstring_view name) {
    return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"\\/:") == std::wstring_view::npos;
}

// What the UserDataDir policy says, the machine's before the user's.
struct UserDataPolicy {
    bool set = false;
    std::wstring text;
};
UserDataPolicy QueryUserDataPolicy(Registry& registry, const BrowserInfo& browser, const UserFolders& user) {
    for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        // Another user's policies are in their own hive, not in this one's HKCU.
        if (root == RegistryRoot::CurrentUser && !user.current) break;
        const QueriedValue queried = registry.Query(root, browser.policyKey, L"UserDataDir");
        // A policy that may be there but cannot be read could move the profiles anywhere.
        if (queried.unreadable) return {true, {}};
        if (!queried || (queried->type != RegistryType::String && queried->type != RegistryType::ExpandString))
            continue;
        RegistryValue asText = *queried;
        asText.type = RegistryType::String;
        std::wstring text = mRegistry::QueryValueText(asText);
        if (!text.empty()) return {true, std::move(text)};
    }
    return {};
}

// The policy's folder with the browser's variables put in; nothing when it
// holds one Glyphor cannot know for the user, or an environment variable.
std::optional<std::wstring> ExpandPolicyFolder(std::wstring_view text, const UserFolders& user) {
    if (text.find(L'%') != std::wstring_view::npos) return std::nullopt;
    const std::pair<std::wstring_view, const std::wstring*> variables[] = {
        {L"local_app_data", &user.localAppData},
        {L"roaming_app_data", &user.roamingAppData},
        {L"profile", &user.home},
    };
    std::wstring folder;
    for (std::size_t at = 0; at < text.size();) {
        if (!text.substr(at).starts_with(L"${")) {
            const wchar_t ch = text[at++];
            folder.push_back(ch == L'/' ? L'\\' : ch);
            continue;
        }
        const auto close = text.find(L'}', at);
        if (close == std::wstring_view::npos) return std::nullopt;
        const std::wstring_view name = text.substr(at + 2, close - at - 2);
        const auto known = std::find_if(std::begin(variables), std::end(variables),
                                        [name](const auto& variable) { return EqualNoCase(name, variable.first); });
        if (known == std::end(variables) || known->second->empty()) return std::nullopt;
        folder += WithoutTrailingBackslash(*known->second);
        at = close + 1;
    }
    folder = WithoutTrailingBackslash(folder);
    if (!IsAbsolutePath(folder)) return std::nullopt;
    return folder;
}

void AddChromiumProfiles(ProfileFiles& files, const BrowserInfo& browser, const std::wstring& userData,
                         std::vector<BrowserProfile>& profiles) {
    std::vector<ListedProfile> listed;
    const ProfileFiles::Contents state = files.Read(userData + L"\\Local State");
    if (state.state == ProfileFiles::Contents::State::Read) {
        listed = ListChromiumProfiles(state.bytes).value_or(std::vector<ListedProfile>{});
    }
    if (listed.empty()) {
        for (std::wstring& folder : files.Folders(userData)) listed.push_back({std::move(folder), {}});
    }
    for (const ListedProfile& profile : listed) {
        if (!IsPlainFolderName(profile.folder)) continue;
        const std::wstring folder = userData + L"\\" + profile.folder;
        const std::wstring settings = folder + L"\\Preferences";
        if (files.Read(settings).state == ProfileFiles::Contents::State::Missing) continue;
        profiles.push_back({&browser, folder, profile.name.empty() ? profile.folder : profile.name, settings,
                            userData + L"\\lockfile", false});
    }
}

void AddChromiumBrowser(ProfileFiles& files, Registry& registry, const BrowserInfo& browser, const UserFolders& user,
                        std::vector<BrowserProfile>& profiles) {
    const UserDataPolicy policy = QueryUserDataPolicy(registry, browser, user);
    if (!policy.set) {
        if (!user.localAppData.empty())
            AddChromiumProfiles(files, browser, user.localAppData + std::wstring(browser.userData), profiles);
        return;
    }
    if (const auto folder = ExpandPolicyFolder(policy.text, user)) {
        AddChromiumProfiles(files, browser, *folder, profiles);
    } else {
        BrowserProfile moved;
        moved.browser = &browser;
        moved.folder = policy.text;
        moved.moved = true;
        profiles.push_back(std::move(moved));
    }
}

void AddFirefoxProfiles(ProfileFiles& files, const BrowserInfo& browser, const UserFolders& user,
                        std::vector<BrowserProfile>& profiles) {
    if (user.roamingAppData.empty()) return;
    const std::wstring firefoxFolder = user.roamingAppData + L"Mozilla\\Firefox\\";
    const ProfileFiles::Contents ini = files.Read(firefoxFolder + L"profiles.ini");
    if (ini.state != ProfileFiles::Contents::State::Read) return;
    for (const ListedProfile& profile : ListFirefoxProfiles(ini.bytes, firefoxFolder)) {
        const std::wstring settings = profile.folder + L"\\prefs.js";
        if (files.Read(settings).state == ProfileFiles::Contents::State::Missing) continue;
        const std::wstring name = profile.name.empty() ? std::wstring(BareFileName(profile.folder)) : profile.name;
        profiles.push_back({&browser, profile.folder, name, settings, profile.folder + L"\\parent.lock", false});
    }
}

}  // namespace

const std::vector<BrowserInfo>& KnownBrowsers() {
    static const std::vector<BrowserInfo> browsers{
        {L"Edge", L"Microsoft Edge", BrowserKind::Chromium, L"Microsoft\\Edge\\User Data",
         L"SOFTWARE\\Policies\\Microsoft\\Edge"},
        {L"Chrome", L"Google Chrome", BrowserKind::Chromium, L"Google\\Chrome\\User Data",
         L"SOFTWARE\\Policies\\Google\\Chrome"},
        {L"Brave", L"Brave", BrowserKind::Chromium, L"BraveSoftware\\Brave-Browser\\User Data",
         L"SOFTWARE\\Policies\\BraveSoftware\\Brave"},
        {L"Firefox", L"Firefox", BrowserKind::Firefox, {}, {}},
    };
    return browsers;
}

std::vector<BrowserProfile> FindBrowserProfiles(ProfileFiles& files, Registry& registry, const UserFolders& user) {
    std::vector<BrowserProfile> profiles;
    for (const BrowserInfo& browser : KnownBrowsers()) {
        if (browser.kind == BrowserKind::Chromium) {
            AddChromiumBrowser(files, registry, browser, user, profiles);
        } else {
            AddFirefoxProfiles(files, browser, user, profiles);
        }
    }
    return profiles;
}
