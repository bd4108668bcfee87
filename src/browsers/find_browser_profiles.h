#pragma once

#include <string>
#include <string_view>
#include <vector>

class ProfileFiles;
class Registry;

enum class BrowserKind { Chromium, Firefox };

// A browser that keeps a Bengali font per profile. Another Chromium browser
// is one more row of KnownBrowsers.
struct BrowserInfo {
    std::wstring_view id;        // as JSON names it: "Edge", "Chrome", "Brave", "Firefox"
    std::wstring_view name;      // as sentences name it: "Microsoft Edge"
    BrowserKind kind;
    std::wstring_view userData;  // Chromium: the User Data folder under the local application data
    std::wstring_view policyKey; // Chromium: the policy key (HKLM and HKCU) that may hold UserDataDir
};
const std::vector<BrowserInfo>& KnownBrowsers();

// Where one user's browsers keep their profiles: each path ends in "\".
struct UserFolders {
    std::wstring home;            // C:\Users\NAME\ .
    std::wstring localAppData;    // ...\AppData\Local\ .
    std::wstring roamingAppData;  // ...\AppData\Roaming\ .
    bool current = true;          // the user this program runs as: HKCU's policies apply
};

struct BrowserProfile {
    const BrowserInfo* browser = nullptr;
    std::wstring folder;    // the profile's folder, without a trailing "\"
    std::wstring name;      // as the browser shows it; the folder's own name when it gives none
    std::wstring settings;  // the Preferences or prefs.js file
    std::wstring lock;      // the file a running browser holds: User Data\lockfile, or parent.lock
    // The browser's UserDataDir policy names a folder Glyphor cannot
    // resolve: `folder` holds the policy's text (empty when the policy could
    // not be read), and the profile is left alone.
    bool moved = false;

    bool operator==(const BrowserProfile&) const = default;
};

// Every profile of every known browser installed for the user, in the
// order of KnownBrowsers, then of the browser's own list. A Chromium
// browser's profiles are those `Local State` lists (profile.info_cache)
// whose folder holds a Preferences file, or where it lists none, the
// folders of User Data that hold one. Firefox's are those of profiles.ini.
std::vector<BrowserProfile> FindBrowserProfiles(ProfileFiles& files, Registry& registry, const UserFolders& user);
