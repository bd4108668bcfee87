#include "repair/fix_default_font.h"

#include <string>

#include "common/identity.h"
#include "common/text.h"
#include "common/main_window_controls.h"
#include "common/prompts.h"
#include "repair/refresh_default_font.h"
#include "platform/registry_access.h"
#include "repair/remove_vrinda_font.h"
#include "common/restart_prompt.h"
#include "repair/substitute_settings.h"

namespace {

bool WriteText(Registry& registry, const SubstituteSettings::Row& row, std::wstring_view data) {
    return mRegistry::WriteRegistryText(registry, row.root, row.path, row.name, data);
}

}  // namespace

void FixDefaultFont(MainWindowControls& window, Registry& registry, FontFiles& files, Prompts& prompts,
                    RestartPrompt& restart) {
    using namespace SubstituteSettings;

    const std::wstring raw = window.FontChoiceText();
    const std::wstring face = TrimBlanks(raw);
    // A blank face would take Vrinda away and map it to nothing.
    if (raw == kFontChoicePlaceholder || face.empty()) {
        prompts.ShowMessage(L"Choose a Font from this list", kProgramTitle, MessageIcon::Error);
        window.FocusFontChoice();
        return;
    }

    RemoveVrindaFont(files, prompts);

    if (!WriteText(registry, kSubstitute, face)) {
        prompts.ShowMessage(L"The default font could not be changed to " + face +
                                L".\r\nWindows did not let Glyphor save the font substitution in the registry.",
                            kProgramTitle, MessageIcon::Error);
        return;
    }
    if (window.InternetExplorerTicked()) {
        WriteText(registry, kIEFixedFont, face);
        WriteText(registry, kIEPropFont, face);
    }
    if (window.SmoothingTicked()) {
        WriteText(registry, kFontSmoothing, kSmoothingOn);
        mRegistry::WriteRegistryDword(registry, kFontSmoothingType.root, kFontSmoothingType.path,
                                      kFontSmoothingType.name, kClearType);
    }

    RefreshDefaultFont(registry, window);
    restart.Offer(L"Your default font has been changed to " + raw + L".\r\n");
}
