#include "fonts/font_settings.h"

#include "platform/registry_access.h"

LinkEntries ReadLinkEntries(Registry& registry, std::wstring_view face) {
    const QueriedValue value = registry.Query(RegistryRoot::LocalMachine, kSystemLinkPath, face);
    if (!value) return {std::nullopt, value.unreadable};
    return {mRegistry::QueryValueStrings(*value), false};
}
