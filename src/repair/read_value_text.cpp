#include "repair/read_value_text.h"

#include "platform/registry_access.h"

ValueText ReadValueText(Registry& registry, const plan::ValueRef& where) {
    const QueriedValue value = registry.Query(where.root, where.path, where.name);
    if (value.unreadable) return {{}, where};
    return {value ? mRegistry::QueryValueText(*value) : std::wstring{}, std::nullopt};
}
