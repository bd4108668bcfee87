#pragma once

#include <windows.h>

#include <string_view>

#include "platform/unique_handle.h"

// The face every window of the program is set in.
inline constexpr std::wstring_view kTrebuchetMs = L"Trebuchet MS";

// A regular (weight 400) upright font of that face. A negative height is
// the em height in pixels, a positive one the cell height (ascent plus
// descent), as in LOGFONTW.
unique_hfont CreateRegularFont(std::wstring_view face, int height, BYTE charset);

// Trebuchet MS, character set 0, at a size in hundredths of a point as
// drawn at that DPI.
unique_hfont CreateTrebuchetFont(int hundredthsOfPoint, int dpi);
