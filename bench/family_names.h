#pragma once

#include <windows.h>

#include <set>
#include <string>

// The names of the font families a device context offers, as the baselines
// of the start-up benchmark enumerate them: once each, nothing read about them.
inline std::set<std::wstring> FamilyNames(HDC dc) {
    std::set<std::wstring> names;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(
        dc, &all,
        [](const LOGFONTW* family, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            reinterpret_cast<std::set<std::wstring>*>(found)->insert(family->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&names), 0);
    return names;
}
