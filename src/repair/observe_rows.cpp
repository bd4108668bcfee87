#include "repair/observe_rows.h"

#include "repair/substitute_settings.h"

std::vector<plan::ObservedValue> ObserveRows(Registry& registry) {
    std::vector<plan::ObservedValue> rows;
    for (const SubstituteSettings::Row& row : SubstituteSettings::kRows) {
        QueriedValue now = registry.Query(row.root, row.path, row.name);
        rows.push_back({SubstituteSettings::At(row), std::move(now.value), now.unreadable});
    }
    return rows;
}
