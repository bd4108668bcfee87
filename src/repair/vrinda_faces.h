#pragma once

#include <string>
#include <string_view>
#include <vector>

class FontFiles;
class Registry;

// One face of the family Vrinda, as the Fonts key registers it and as its
// file and backup stand when the fix or the restore begins.
struct VrindaFace {
    std::wstring valueName;   // in the Fonts key, e.g. "Vrinda Bold (TrueType)"
    bool inFontsKey = false;  // the value exists (it may be empty)
    std::wstring registered;  // the value's data; empty once taken out of service
    // The value could not be read: its file is not known, so nothing of the
    // face is looked for or changed.
    bool unreadable = false;
    std::wstring file;        // the file name, or the path it was registered by; empty when unknown
    std::wstring fontFile;    // where that file lies; empty when unknown
    std::wstring backup;      // its fixed backup path on C:; empty for a file outside the fonts folder

    // Observed on disk at the start.
    bool fileInFolder = false;
    bool fileProtected = false;
    bool backupIsFile = false;
    bool backupOccupied = false;  // a file or a folder stands there

    // The face as the user knows it: the value name without its kind.
    std::wstring Label() const;
    // The backup will exist after the move: one is there already, or the
    // file can be moved to a free backup path.
    bool BackupWillExist() const;
};

inline constexpr std::wstring_view kVrindaFileName = L"Vrinda.ttf";
inline constexpr std::wstring_view kVrindaBackupPath = L"C:\\Vrinda.ttf";
inline constexpr std::wstring_view kVrindaValueName = L"Vrinda (TrueType)";

// Every face the Fonts key registers for the family Vrinda, Vrinda itself
// first, each with its file and backup. Vrinda itself is always there,
// registered or not, by its standard file name, unless its registration
// could not be read.
std::vector<VrindaFace> FindVrindaFaces(Registry& registry, FontFiles& files);
