#pragma once

#include <vector>

#include "repair/font_links.h"
#include "repair/observe_browser_profiles.h"
#include "repair/plan.h"
#include "repair/repair_services.h"
#include "repair/vrinda_faces.h"

class MainWindowControls;

struct RestoreChoices {
    bool internetExplorer = false;  // chkIE
};

// The system as the restore finds it.
struct RestoreFacts {
    std::vector<VrindaFace> faces;
    std::vector<LinkList> links;  // the interface faces' link lists
    ValueText earlierEntry;       // the link the fix made, to be taken out
    std::vector<plan::ObservedValue> rows;  // the substitute settings' rows as they stand
    std::vector<ObservedProfile> profiles;  // the users' browser profiles
};

RestoreFacts ObserveRestore(const RepairServices& services);

// Gives back the registration of every face the fix emptied whose file is
// still in the fonts folder, takes the fix's link out of the interface
// fonts, points the substitute (and, with chkIE, Internet Explorer's
// Bengali fonts) back at Vrinda, gives back what the fix took in every
// browser profile that holds its record, asks the user to
// reinstall Vrinda, then offers to copy back each face still missing from
// its backup, says what is still not right and offers the restart. A step
// that would change, or is worked out from, a value that could not be read
// is refused; a refused substitute is announced nowhere.
// lblDefFont keeps its caption until the next start.
plan::Plan PlanRestore(const RestoreFacts& facts, const RestoreChoices& choices);

// cmdDef.
void RestoreDefaultFont(MainWindowControls& window, RepairServices services);
