#pragma once

#include <windows.h>

#include <string_view>

// Draws one entry of the font list: the family's name in the list's own
// font at the left, and the Bengali sample in the family itself at the
// right, in the system's colours for a list item (selected or not), so that
// high-contrast themes apply.
void DrawFontPreview(const DRAWITEMSTRUCT& item, std::wstring_view family, HFONT nameFont, HFONT sampleFont,
                     int padding);
