#pragma once

// Child window identifiers of the main window. None is IDOK or IDCANCEL, so
// Enter and Esc press nothing unless a button has the focus.
namespace ControlId {
inline constexpr int lblDefFont = 100;
inline constexpr int Frame1 = 101;
inline constexpr int lblFont = 102;
inline constexpr int comFont = 103;
inline constexpr int Picture1 = 104;
inline constexpr int chkFS = 105;
inline constexpr int chkIE = 106;
inline constexpr int cmdFix = 107;
inline constexpr int cmdDef = 108;
inline constexpr int Command1 = 109;
inline constexpr int chkBrowsers = 110;
}  // namespace ControlId
