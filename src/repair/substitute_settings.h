#pragma once

#include <string_view>

#include <string>

#include "fonts/font_settings.h"
#include "platform/registry.h"
#include "repair/plan.h"

// The registry values that make up Bengali's default font. The fix and the
// restore write these rows, in this order; only the substitute is ever read.
namespace SubstituteSettings {

struct Row {
    RegistryRoot root;
    std::wstring_view path;
    std::wstring_view name;
};

using ::kFontSubstitutesPath;
// Internet Explorer's fonts for script 11, Bengali, of the user running the program.
inline constexpr std::wstring_view kBengaliScriptPath =
    L"Software\\Microsoft\\Internet Explorer\\International\\Scripts\\11";
inline constexpr std::wstring_view kDefaultDesktopPath = L".DEFAULT\\Control Panel\\Desktop";

inline constexpr Row kSubstitute{RegistryRoot::LocalMachine, kFontSubstitutesPath, L"Vrinda"};
inline constexpr Row kIEFixedFont{RegistryRoot::CurrentUser, kBengaliScriptPath, L"IEFixedFontName"};
inline constexpr Row kIEPropFont{RegistryRoot::CurrentUser, kBengaliScriptPath, L"IEPropFontName"};
inline constexpr Row kFontSmoothing{RegistryRoot::Users, kDefaultDesktopPath, L"FontSmoothing"};
inline constexpr Row kFontSmoothingType{RegistryRoot::Users, kDefaultDesktopPath, L"FontSmoothingType"};

// Every row, in the order they are written.
inline constexpr Row kRows[] = {kSubstitute, kIEFixedFont, kIEPropFont, kFontSmoothing, kFontSmoothingType};

// ClearType: the switch is stored as text, the kind as a number, both 2.
inline constexpr std::wstring_view kSmoothingOn = L"2";
inline constexpr unsigned kClearType = 2;

using ::kFontsPath;

// The row as a plan names it.
inline plan::ValueRef At(const Row& row) { return {row.root, std::wstring(row.path), std::wstring(row.name)}; }
// A face's registration in the machine's Fonts key.
inline plan::ValueRef FontsValue(std::wstring_view valueName) {
    return {RegistryRoot::LocalMachine, std::wstring(kFontsPath), std::wstring(valueName)};
}

}  // namespace SubstituteSettings
