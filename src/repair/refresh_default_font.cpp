#include "repair/refresh_default_font.h"

#include "common/main_window_controls.h"
#include "platform/registry_access.h"
#include "repair/substitute_settings.h"

std::wstring RefreshDefaultFont(Registry& registry, MainWindowControls& window) {
    const auto& row = SubstituteSettings::kSubstitute;
    std::wstring name = mRegistry::ReadRegistryText(registry, row.root, row.path, row.name);
    if (name.empty()) name = L"Vrinda";
    window.SetDefaultFontCaption(L"Default Font is - " + name);
    return name;
}
