#include "repair/observe_rows.h"

#include "repair/substitute_settings.h"

std::vector<plan::ObservedValue> ObserveRows(Registry& registry) {
    std::vector<plan::ObservedValue> rows;
    for (const SubstituteSettings::Row& row : SubstituteSettings::kRows)
        rows.push_back({SubstituteSettings::At(row), registry.Query(row.root, row.path, row.name).value});
    return rows;
}
