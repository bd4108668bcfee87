#include "repair/observe_browser_profiles.h"

#include "browsers/chromium_preferences.h"
#include "browsers/firefox_prefs.h"
#include "browsers/profile_files.h"
#include "common/text.h"

std::vector<ObservedProfile> ObserveBrowserProfiles(ProfileFiles& files, Registry& registry,
                                                    const std::vector<UserFolders>& users, ProfileReading reading) {
    std::vector<ObservedProfile> observed;
    for (const UserFolders& user : users) {
        for (BrowserProfile& profile : FindBrowserProfiles(files, registry, user)) {
            ObservedProfile seen{std::move(profile), plan::ProfileProblem::None, std::nullopt, false};
            if (seen.profile.moved) {
                seen.problem = plan::ProfileProblem::Moved;
                observed.push_back(std::move(seen));
                continue;
            }
            const ProfileFiles::Contents contents = files.Read(seen.profile.settings);
            const bool chromium = seen.profile.browser->kind == BrowserKind::Chromium;
            const bool read = contents.state == ProfileFiles::Contents::State::Read;
            if (read && reading == ProfileReading::Fonts)
                seen.fonts = chromium ? ReadChromiumBengaliFonts(contents.bytes) : ReadFirefoxBengaliFonts(contents.bytes);
            // A file that cannot be read holds no record that can be given back.
            if (read && reading == ProfileReading::Record)
                seen.recorded = chromium ? HoldsChromiumRecord(contents.bytes) : HoldsFirefoxRecord(contents.bytes);
            if (contents.state == ProfileFiles::Contents::State::Missing)
                seen.problem = plan::ProfileProblem::Gone;
            else if (!read || (reading == ProfileReading::Fonts && !seen.fonts))
                seen.problem = plan::ProfileProblem::Unreadable;
            else if (files.IsLockHeld(seen.profile.lock))
                seen.problem = plan::ProfileProblem::Open;
            observed.push_back(std::move(seen));
        }
    }
    return observed;
}

bool NamesFace(const ObservedProfile& observed, std::wstring_view face, FaceMatch match) {
    if (!observed.fonts) return false;
    const BengaliFonts& fonts = *observed.fonts;
    const auto names = [&](const std::optional<std::wstring>& font) {
        return font && (match == FaceMatch::Exactly ? *font == face : EqualNoCase(*font, face));
    };
    const bool standard = observed.profile.browser->kind == BrowserKind::Firefox || names(fonts.standard);
    return standard && names(fonts.serif) && names(fonts.sansSerif);
}
