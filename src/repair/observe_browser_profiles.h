#pragma once

#include <optional>
#include <vector>

#include "browsers/browser_fonts.h"
#include "browsers/find_browser_profiles.h"
#include "repair/plan.h"

class ProfileFiles;
class Registry;

// A browser profile as the fix, the restore and status find it.
struct ObservedProfile {
    BrowserProfile profile;
    plan::ProfileProblem problem = plan::ProfileProblem::None;  // what keeps it from being edited now
    std::optional<BengaliFonts> fonts;  // what its settings name, when they could be read
    bool recorded = false;              // it holds what an earlier fix took
};

// What is read of each profile's settings. A Preferences file runs to
// megabytes, and each reading parses it whole: status and a dry run of the
// fix need the fonts, the restore only the record, and a fix carried out
// nothing, since its edit finds for itself a profile already as asked.
enum class ProfileReading { None, Fonts, Record };

// Every profile of the users' browsers, read and not changed.
std::vector<ObservedProfile> ObserveBrowserProfiles(ProfileFiles& files, Registry& registry,
                                                    const std::vector<UserFolders>& users, ProfileReading reading);

// The profile names `face` in every Bengali font it has keys for: exactly,
// as an edit would write it, or as the browsers match family names, without
// regard to case.
enum class FaceMatch { Exactly, IgnoringCase };
bool NamesFace(const ObservedProfile& observed, std::wstring_view face, FaceMatch match);
