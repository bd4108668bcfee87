#include "fonts/font_settings.h"

#include "platform/registry_access.h"

std::wstring_view FaceOfLinkEntry(std::wstring_view entry) {
    const auto comma = entry.find(L',');
    if (comma == std::wstring_view::npos) return {};
    const std::wstring_view rest = entry.substr(comma + 1);
    return rest.substr(0, rest.find(L','));
}

LinkEntries ReadLinkEntries(Registry& registry, std::wstring_view face) {
    const QueriedValue value = registry.Query(RegistryRoot::LocalMachine, kSystemLinkPath, face);
    if (!value) return {std::nullopt, value.unreadable};
    return {mRegistry::QueryValueStrings(*value), false};
}
