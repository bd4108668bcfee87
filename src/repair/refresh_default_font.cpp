#include "repair/refresh_default_font.h"

#include "common/main_window_controls.h"
#include "platform/registry_access.h"
#include "repair/substitute_settings.h"

namespace {

constexpr std::wstring_view kCaption = L"Default Font is - ";

}  // namespace

std::wstring DefaultFontCaption(Registry& registry) {
    const auto& row = SubstituteSettings::kSubstitute;
    std::wstring name = mRegistry::ReadRegistryText(registry, row.root, row.path, row.name);
    if (name.empty()) name = L"Vrinda";
    return std::wstring(kCaption) + name;
}

std::wstring RefreshDefaultFont(Registry& registry, MainWindowControls& window) {
    const std::wstring caption = DefaultFontCaption(registry);
    window.SetDefaultFontCaption(caption);
    return caption.substr(kCaption.size());
}
