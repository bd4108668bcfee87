#include "cli/export_rows.h"

#include "platform/registry.h"
#include "repair/font_links.h"
#include "repair/substitute_settings.h"

namespace {

RegEntry Current(Registry& registry, RegistryRoot root, std::wstring_view path, std::wstring_view name) {
    return {plan::ValueRef{root, std::wstring(path), std::wstring(name)}, registry.Query(root, path, name)};
}

}  // namespace

std::vector<RegEntry> ReadExportRows(Registry& registry, const std::vector<VrindaFace>& faces) {
    using namespace SubstituteSettings;
    std::vector<RegEntry> rows;
    for (const Row& row : {kSubstitute, kIEFixedFont, kIEPropFont, kFontSmoothing, kFontSmoothingType})
        rows.push_back(Current(registry, row.root, row.path, row.name));
    for (const VrindaFace& face : faces)
        rows.push_back(Current(registry, RegistryRoot::LocalMachine, kFontsPath, face.valueName));
    for (const std::wstring_view face : kInterfaceFaces)
        rows.push_back(Current(registry, RegistryRoot::LocalMachine, kSystemLinkPath, face));
    return rows;
}
