#include "repair/remove_vrinda_font.h"

#include <string>

#include "common/identity.h"
#include "common/prompts.h"
#include "common/font_files.h"

namespace {

// The fonts folder's own copy; empty when the folder is unknown, so that a
// bare "Vrinda.ttf" never stands for a file in the current directory.
std::wstring FontFilePath(FontFiles& files) {
    const std::wstring folder = files.FontsFolder();
    return folder.empty() ? std::wstring{} : folder + std::wstring(kVrindaFileName);
}

// The bare name is what the font was always unregistered by; the system
// itself registers the fonts-folder path, so that is tried when the bare
// name matches nothing.
bool UnregisterVrinda(FontFiles& files) {
    if (files.Unregister(kVrindaFileName)) return true;
    const std::wstring path = FontFilePath(files);
    return !path.empty() && files.Unregister(path);
}

}  // namespace

void RemoveVrindaFont(FontFiles& files, Prompts& prompts) {
    if (UnregisterVrinda(files)) {
        files.BroadcastFontChange();
        prompts.ShowMessage(L"Vrinda Font has Uninstalled from your computer.\r\n"
                            L"There is a backup on C drive (Path- \u201CC:\\Vrinda.ttf\u201D)",
                            kProgramTitle, MessageIcon::Information);
    }

    const std::wstring fontFile = FontFilePath(files);
    if (fontFile.empty()) return;
    files.Move(fontFile, kVrindaBackupPath);
    // Deleting without a backup in place would destroy the only copy.
    if (files.Exists(kVrindaBackupPath)) files.Delete(fontFile);
}
