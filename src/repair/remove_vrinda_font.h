#pragma once

#include <string_view>

class FontFiles;
class Prompts;

inline constexpr std::wstring_view kVrindaFileName = L"Vrinda.ttf";
inline constexpr std::wstring_view kVrindaBackupPath = L"C:\\Vrinda.ttf";

// Takes Vrinda out of service: unregisters it, tells the windows and the
// user, moves its file from the fonts folder to the backup at C:\Vrinda.ttf
// and removes what is left there. Every step that fails is passed over,
// except that the fonts-folder copy is deleted only while a backup exists.
void RemoveVrindaFont(FontFiles& files, Prompts& prompts);
