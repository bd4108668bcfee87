#include "fonts/font_settings.h"

#include "platform/registry_access.h"

std::optional<std::vector<std::wstring>> ReadLinkEntries(Registry& registry, std::wstring_view face) {
    const auto value = registry.Query(RegistryRoot::LocalMachine, kSystemLinkPath, face);
    if (!value) return std::nullopt;
    return mRegistry::QueryValueStrings(*value);
}
