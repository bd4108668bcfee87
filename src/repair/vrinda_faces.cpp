#include "repair/vrinda_faces.h"

#include <algorithm>

#include "common/font_files.h"
#include "common/text.h"
#include "platform/registry_access.h"
#include "repair/substitute_settings.h"

namespace {

constexpr std::wstring_view kKinds[] = {L" (TrueType)", L" (OpenType)"};

// Registrations that Windows ships, for faces whose value has been emptied.
struct StandardFace {
    std::wstring_view valueName;
    std::wstring_view file;
};
constexpr StandardFace kStandardFaces[] = {{kVrindaValueName, kVrindaFileName},
                                           {L"Vrinda Bold (TrueType)", L"vrindab.ttf"}};

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

std::wstring_view WithoutKind(std::wstring_view valueName) {
    for (std::wstring_view kind : kKinds) {
        if (valueName.size() > kind.size() && EqualNoCase(valueName.substr(valueName.size() - kind.size()), kind))
            return valueName.substr(0, valueName.size() - kind.size());
    }
    return {};
}

// "Vrinda", "Vrinda Bold", or a collection "Vrinda & Vrinda Bold"; not
// "Vrindavan" and not a face of another family.
bool NamesVrinda(std::wstring_view valueName) {
    // No face's name holds either. A control character would break every
    // line the name is written on, and an unpaired surrogate would come back
    // from a .reg file as another name, where no hex form can keep it.
    if (HoldsControlCharacter(valueName) || HoldsUnpairedSurrogate(valueName)) return false;
    std::wstring_view faces = WithoutKind(valueName);
    while (!faces.empty()) {
        const auto split = faces.find(L" & ");
        const std::wstring_view face = faces.substr(0, split);
        if (EqualNoCase(face, L"Vrinda") || StartsWithNoCase(face, L"Vrinda ")) return true;
        faces = split == std::wstring_view::npos ? std::wstring_view{} : faces.substr(split + 3);
    }
    return false;
}

std::wstring StandardFile(std::wstring_view valueName) {
    for (const StandardFace& face : kStandardFaces)
        if (EqualNoCase(face.valueName, valueName)) return std::wstring(face.file);
    return {};
}



std::wstring_view FolderOf(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? std::wstring_view{} : path.substr(0, slash + 1);
}

void Locate(VrindaFace& face, std::wstring_view fontsFolder, FontFiles& files) {
    face.file = face.registered.empty() ? StandardFile(face.valueName) : face.registered;
    if (face.file.empty()) return;
    const bool hasFolder = !FolderOf(face.file).empty();
    // A bare name stands for the fonts folder's copy, never the current directory's.
    face.fontFile = hasFolder ? face.file : fontsFolder.empty() ? std::wstring{} : std::wstring(fontsFolder) + face.file;
    if (face.fontFile.empty()) return;
    face.fileInFolder = files.Exists(face.fontFile);
    face.fileProtected = face.fileInFolder && files.IsProtected(face.fontFile);
    // Only the fonts folder's files are moved: a file registered from
    // elsewhere belongs to whoever put it there, and its emptied
    // registration is enough to keep it from loading.
    if (hasFolder && !EqualNoCase(FolderOf(face.file), fontsFolder)) return;
    face.backup = EqualNoCase(BareFileName(face.file), kVrindaFileName) ? std::wstring(kVrindaBackupPath)
                                                                      : L"C:\\" + std::wstring(BareFileName(face.file));
    face.backupIsFile = files.Exists(face.backup);
    face.backupOccupied = files.Occupied(face.backup);
}

}  // namespace

std::wstring VrindaFace::Label() const { return std::wstring(WithoutKind(valueName)); }

bool VrindaFace::BackupWillExist() const {
    return !backup.empty() && (backupIsFile || (fileInFolder && !fileProtected && !backupOccupied));
}

std::vector<VrindaFace> FindVrindaFaces(Registry& registry, FontFiles& files) {
    using SubstituteSettings::kFontsPath;
    std::vector<VrindaFace> faces;
    for (const std::wstring& name : registry.ValueNames(RegistryRoot::LocalMachine, kFontsPath)) {
        if (!NamesVrinda(name)) continue;
        VrindaFace face;
        face.valueName = name;
        face.inFontsKey = true;
        const QueriedValue value = registry.Query(RegistryRoot::LocalMachine, kFontsPath, name);
        if (value) face.registered = mRegistry::QueryValueText(*value);
        face.unreadable = value.unreadable;
        faces.push_back(std::move(face));
    }
    const auto isVrinda = [](const VrindaFace& face) { return EqualNoCase(face.valueName, kVrindaValueName); };
    if (std::none_of(faces.begin(), faces.end(), isVrinda)) {
        VrindaFace vrinda;
        vrinda.valueName = kVrindaValueName;
        faces.insert(faces.begin(), std::move(vrinda));
    }
    std::stable_partition(faces.begin(), faces.end(), isVrinda);

    const std::wstring fontsFolder = files.FontsFolder();
    for (VrindaFace& face : faces)
        if (!face.unreadable) Locate(face, fontsFolder, files);
    return faces;
}
