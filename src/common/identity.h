#pragma once

#include <string_view>

// Who the program says it is in its message boxes. GLYPHOR_VERSION comes
// from the project's version in CMake.
inline constexpr std::wstring_view kApplicationTitle = L"Glyphor";
inline constexpr std::wstring_view kProgramTitle = L"Glyphor " GLYPHOR_VERSION;
