#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/windows_version.h"
#include "repair/font_links.h"
#include "repair/observe_browser_profiles.h"
#include "repair/plan.h"
#include "repair/repair_services.h"
#include "repair/vrinda_faces.h"

class FontCatalog;
class MainWindowControls;
class Prompts;

// What comFont holds until the user picks or types a face.
inline constexpr std::wstring_view kFontChoicePlaceholder = L"Choose a Font from the list";

// What the user asked for: comFont's text exactly as typed, and the boxes.
struct FixChoices {
    std::wstring raw;
    bool internetExplorer = false;
    bool smoothing = false;
    bool link = false;  // also link the face into the interface fonts, from Windows 8 on
    bool browsers = false;  // chkBrowsers: also the Bengali font of the users' browsers
};

// The system as the fix finds it.
struct FixFacts {
    std::vector<VrindaFace> faces;
    WindowsVersion version;
    std::vector<LinkList> links;   // the interface faces' link lists
    ValueText chosenFile;          // the chosen face's registered file; empty when unknown
    ValueText earlierEntry;        // the link an earlier fix made, for the face it chose
    std::vector<plan::ObservedValue> rows;  // the substitute settings' rows as they stand
    std::wstring interfaceFamily;  // what draws Bengali interface text, measured before; empty when unknown
    std::vector<ObservedProfile> profiles;  // the users' browser profiles, when the fix is to reach them
};

enum class FaceCheck {
    Refused,   // no face, or one that can be no font's name: an error box was shown
    Declined,  // a doubtful face, and the user answered No
    Accepted,
};

// The tests on the typed face before anything is written. A face that is not
// an installed family, or one without Bengali letters, is asked about.
FaceCheck CheckFaceChoice(std::wstring_view raw, FontCatalog& fonts, Prompts& prompts);

// `reading` is what is read of the browser profiles, when the fix is to reach them.
FixFacts ObserveFix(const RepairServices& services, const FixChoices& choices,
                    ProfileReading reading = ProfileReading::Fonts);

// Every step of the fix for an accepted face, in order: Vrinda out of
// service, the substitute and the rows the boxes ask for, each browser
// profile that does not name the face yet, from Windows 8 on
// an earlier fix's link taken out and, when asked for, the face linked into
// the interface fonts, lblDefFont, a word on anything that did not go as
// announced (from Windows 8 on always, with what the fix reaches there), and
// the restart. A step that would change, or is worked out from, a value that
// could not be read is refused; a refused substitute is announced nowhere.
plan::Plan PlanFix(const FixFacts& facts, const FixChoices& choices);

// cmdFix: checks the face in comFont and carries out its plan.
// `measure` tells what draws Bengali interface text now (see RunFix).
void FixDefaultFont(MainWindowControls& window, RepairServices services,
                    const std::function<std::wstring()>& measure = {});
