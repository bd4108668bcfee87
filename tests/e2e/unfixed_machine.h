#pragma once

#include <windows.h>

#include <string>

#include "win_test_files.h"

// The machine a fix starts from, put back before each case, and the files
// and values the cases read back from it.
namespace driver {

inline constexpr wchar_t kFontsKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
inline constexpr wchar_t kSubstitutesKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
inline constexpr wchar_t kInternetExplorerKey[] = L"Software\\Microsoft\\Internet Explorer\\International";
inline constexpr wchar_t kVrindaBackup[] = L"C:\\Vrinda.ttf";

// Puts a copy of a file in place of whatever is there. The prefix's files
// are hard links shared with every other run, so a file is replaced, never
// written over in place.
bool PlaceCopy(const std::wstring& from, const std::wstring& to);
bool SetRegistryText(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text);

// The stand-in Vrinda of the build tree, and its place in the fonts folder.
std::wstring VrindaStandIn();
std::wstring VrindaInFontsFolder();

// A Bengali Windows machine before any fix: the stand-in Vrinda in the fonts
// folder and registered as Windows registers it, no backup, and none of the
// values a fix writes. False when the font cannot be put in place or
// registered.
bool ResetToUnfixedMachine();

}  // namespace driver
