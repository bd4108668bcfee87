#pragma once

#include <vector>

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
};

RestoreFacts ObserveRestore(Registry& registry, FontFiles& files);

// Gives back the registration of every face the fix emptied whose file is
// still in the fonts folder, points the substitute (and, with chkIE,
// Internet Explorer's Bengali fonts) back at Vrinda, asks the user to
// reinstall Vrinda, then offers to copy back each face still missing from
// its backup, says what is still not right and offers the restart.
// lblDefFont keeps its caption until the next start.
plan::Plan PlanRestore(const RestoreFacts& facts, const RestoreChoices& choices);

// cmdDef.
void RestoreDefaultFont(MainWindowControls& window, RepairServices services);
