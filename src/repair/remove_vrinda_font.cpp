#include "repair/remove_vrinda_font.h"

#include <algorithm>
#include <string>

#include "common/identity.h"
#include "platform/registry_access.h"
#include "repair/substitute_settings.h"

namespace {

// The bare name is what a font was always unregistered by; the system
// itself registers the fonts-folder path, so that is tried when the bare
// name matches nothing.
std::vector<std::wstring> UnregisterNames(const VrindaFace& face) {
    std::vector<std::wstring> names{face.file};
    if (!face.fontFile.empty() && face.fontFile != face.file) names.push_back(face.fontFile);
    return names;
}

std::wstring RemovalMessage(const VrindaFace& vrinda) {
    std::wstring text = L"Vrinda Font has Uninstalled from your computer.";
    // Never announce a backup that the move cannot make.
    if (vrinda.BackupWillExist()) text += L"\r\nThere is a backup on C drive (Path- \u201CC:\\Vrinda.ttf\u201D)";
    return text;
}

}  // namespace

plan::Plan RemoveVrindaFont(const std::vector<VrindaFace>& faces) {
    using namespace plan;
    Plan steps;
    for (const VrindaFace& face : faces) {
        if (face.file.empty()) continue;
        // A face whose registration is emptied was out of service since the
        // start, or was unregistered by the run that emptied it.
        const bool loaded = face.fileInFolder && !(face.inFontsKey && face.registered.empty());
        steps.push_back({UnregisterFont{UnregisterNames(face)}, {}, loaded});
    }

    const When afterUnregister = When::Unregistered();
    steps.push_back({BroadcastFontChange{}, afterUnregister});
    steps.push_back({ShowMessage{RemovalMessage(faces.front()), std::wstring(kProgramTitle), MessageIcon::Information},
                     afterUnregister});

    std::vector<std::wstring> moved;
    for (const VrindaFace& face : faces) {
        if (face.backup.empty() || std::count(moved.begin(), moved.end(), face.fontFile)) continue;
        moved.push_back(face.fontFile);
        const bool movable = face.fileInFolder && !face.fileProtected;
        steps.push_back({MoveFile{face.fontFile, face.backup}, {}, movable});
        // Deleting without a backup in place would destroy the only copy.
        steps.push_back({DeleteFile{face.fontFile}, When().AndFileAt(face.backup), movable});
    }

    // An empty registration keeps the face from loading at the next start,
    // also where Windows protects the file, and tells Restore what to give back.
    // One that could not be read is left, its face with it: emptied, it
    // would tell Restore of a registration that may never have been.
    for (const VrindaFace& face : faces) {
        SetValue empty;
        empty.where = SubstituteSettings::FontsValue(face.valueName);
        empty.value = mRegistry::TextValue(L"");
        if (face.unreadable) {
            steps.push_back(Refused(std::move(empty), SubstituteSettings::FontsValue(face.valueName)));
            continue;
        }
        if (!face.inFontsKey || face.registered.empty()) continue;
        steps.push_back({std::move(empty)});
    }
    return steps;
}
