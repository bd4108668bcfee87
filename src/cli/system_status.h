#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/windows_version.h"
#include "probe/drawn_fonts.h"
#include "repair/observe_browser_profiles.h"
#include "repair/vrinda_faces.h"

class FontFiles;
class Registry;

// One interface face's font links.
struct FaceLinks {
    std::wstring face;
    bool present = false;              // the SystemLink value exists
    bool unreadable = false;           // it may exist, but could not be read
    std::vector<std::wstring> entries;  // "FILE,Face", in order
};

// What decides Bengali's default font on this machine, read and not changed.
struct SystemStatus {
    std::optional<std::wstring> substitute;  // FontSubstitutes\Vrinda, when the value exists
    bool substituteUnreadable = false;       // it may exist, but could not be read
    std::vector<VrindaFace> faces;           // with their files and backups
    std::vector<FaceLinks> links;
    WindowsVersion version;
    bool administrator = false;  // a member of the Administrators group
    bool elevated = false;       // with that group enabled
    DrawnWith drawn;             // which fonts really draw Bengali now
    std::vector<ObservedProfile> browsers;  // the browser profiles and their Bengali fonts
};

enum class DefaultFontState {
    Vrinda,       // no substitute, or Vrinda mapped to itself
    Substituted,  // another face, and every Vrinda face out of service
    Inactive,     // another face, but a Vrinda face still registered keeps it from showing
    Unknown,      // the substitute could not be read
};

SystemStatus ObserveStatus(Registry& registry, FontFiles& files, const WindowsVersion& version, bool administrator,
                           bool elevated);

DefaultFontState ClassifyDefaultFont(const SystemStatus& status);

// The face a Fonts-key registration still loads at the next start.
bool IsInService(const VrindaFace& face);
