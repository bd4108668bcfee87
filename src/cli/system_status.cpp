#include "cli/system_status.h"

#include <algorithm>

#include "common/text.h"
#include "platform/registry_access.h"
#include "repair/font_links.h"
#include "repair/substitute_settings.h"

bool IsInService(const VrindaFace& face) { return face.inFontsKey && !face.registered.empty(); }

SystemStatus ObserveStatus(Registry& registry, FontFiles& files, const WindowsVersion& version, bool administrator,
                           bool elevated) {
    using SubstituteSettings::kSubstitute;
    SystemStatus status;
    const QueriedValue value = registry.Query(kSubstitute.root, kSubstitute.path, kSubstitute.name);
    if (value) status.substitute = mRegistry::QueryValueText(*value);
    status.substituteUnreadable = value.unreadable;
    status.faces = FindVrindaFaces(registry, files);
    for (const std::wstring_view face : kInterfaceFaces) {
        FaceLinks links;
        links.face = face;
        LinkEntries read = ReadLinkEntries(registry, face);
        links.unreadable = read.unreadable;
        if (read.entries) {
            links.present = true;
            links.entries = std::move(*read.entries);
        }
        status.links.push_back(std::move(links));
    }
    status.version = version;
    status.administrator = administrator;
    status.elevated = elevated;
    return status;
}

DefaultFontState ClassifyDefaultFont(const SystemStatus& status) {
    if (status.substituteUnreadable) return DefaultFontState::Unknown;
    if (!status.substitute || status.substitute->empty() || EqualNoCase(*status.substitute, L"Vrinda")) return DefaultFontState::Vrinda;
    if (std::any_of(status.faces.begin(), status.faces.end(), IsInService)) return DefaultFontState::Inactive;
    // A face whose registration cannot be read may be in service still.
    const bool unknownFace = std::any_of(status.faces.begin(), status.faces.end(),
                                         [](const VrindaFace& face) { return face.unreadable; });
    return unknownFace ? DefaultFontState::Unknown : DefaultFontState::Substituted;
}
