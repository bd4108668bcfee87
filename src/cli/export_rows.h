#pragma once

#include <optional>
#include <vector>

#include "repair/render_plan.h"
#include "repair/vrinda_faces.h"

class Registry;

// Every value the fix and the restore can change, as it stands now, absent
// ones to be deleted: the substitute, Internet Explorer's and the smoothing
// rows, each Vrinda face's registration and the interface faces' font links.
// Imported, the .reg file puts all of them back as they were.
// A value that exists but could not be read ends the reading: written as
// missing, its row would delete it on import.
struct ExportRows {
    std::vector<RegEntry> rows;
    std::optional<plan::ValueRef> unreadable;
};
ExportRows ReadExportRows(Registry& registry, const std::vector<VrindaFace>& faces);
