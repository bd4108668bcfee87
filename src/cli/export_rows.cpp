#include "cli/export_rows.h"

#include "platform/registry.h"
#include "repair/font_links.h"
#include "repair/substitute_settings.h"

ExportRows ReadExportRows(Registry& registry, const std::vector<VrindaFace>& faces) {
    using namespace SubstituteSettings;
    std::vector<plan::ValueRef> where;
    for (const Row& row : kRows)
        where.push_back(At(row));
    for (const VrindaFace& face : faces)
        where.push_back(FontsValue(face.valueName));
    for (const std::wstring_view face : kInterfaceFaces)
        where.push_back({RegistryRoot::LocalMachine, std::wstring(kSystemLinkPath), std::wstring(face)});

    ExportRows exported;
    for (plan::ValueRef& value : where) {
        QueriedValue now = registry.Query(value.root, value.path, value.name);
        if (now.unreadable) {
            exported.unreadable = std::move(value);
            return exported;
        }
        exported.rows.push_back({std::move(value), std::move(now.value)});
    }
    return exported;
}
