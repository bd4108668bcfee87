#pragma once

#include <string_view>

// Who the program says it is in its message boxes. The version is a literal
// of its own; the version record of the executable is for Windows only.
inline constexpr std::wstring_view kApplicationTitle = L"Glyphor";
inline constexpr std::wstring_view kVersionText = L"1.0.5";
inline constexpr std::wstring_view kProgramTitle = L"Glyphor 1.0.5";
