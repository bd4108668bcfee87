#include "repair/refresh_default_font.h"

#include "common/main_window_controls.h"
#include "repair/read_value_text.h"
#include "repair/substitute_settings.h"

namespace {

constexpr std::wstring_view kCaption = L"Default Font is - ";

// What Vrinda is substituted by: a missing value means Vrinda itself.
ValueText ReadDefaultFace(Registry& registry) {
    ValueText face = ReadValueText(registry, SubstituteSettings::At(SubstituteSettings::kSubstitute));
    if (!face.unreadable && face.text.empty()) face.text = L"Vrinda";
    return face;
}

std::wstring Caption(const ValueText& face) {
    return std::wstring(kCaption) + (face.unreadable ? L"cannot be read" : face.text);
}

}  // namespace

std::wstring DefaultFontCaption(Registry& registry) { return Caption(ReadDefaultFace(registry)); }

std::wstring RefreshDefaultFont(Registry& registry, MainWindowControls& window) {
    const ValueText face = ReadDefaultFace(registry);
    window.SetDefaultFontCaption(Caption(face));
    return face.text;
}
