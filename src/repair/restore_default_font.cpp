#include "repair/restore_default_font.h"

#include <string>

#include "common/identity.h"
#include "common/main_window_controls.h"
#include "common/prompts.h"
#include "platform/registry_access.h"
#include "common/restart_prompt.h"
#include "repair/substitute_settings.h"

namespace {

constexpr std::wstring_view kVrinda = L"Vrinda";

bool WriteVrinda(Registry& registry, const SubstituteSettings::Row& row) {
    return mRegistry::WriteRegistryText(registry, row.root, row.path, row.name, kVrinda);
}

}  // namespace

void RestoreDefaultFont(MainWindowControls& window, Registry& registry, Prompts& prompts, RestartPrompt& restart) {
    using namespace SubstituteSettings;

    if (!WriteVrinda(registry, kSubstitute)) {
        prompts.ShowMessage(L"The default font could not be changed back to Vrinda.\r\n"
                            L"Windows did not let Glyphor save the font substitution in the registry.",
                            kProgramTitle, MessageIcon::Error);
        return;
    }
    if (window.InternetExplorerTicked()) {
        WriteVrinda(registry, kIEFixedFont);
        WriteVrinda(registry, kIEPropFont);
    }

    prompts.ShowMessage(L"Please Install Vrinda & then Press OK", kApplicationTitle, MessageIcon::Information);
    restart.Offer(L"Your default font has been changed to Vrinda.\r\n");
}
