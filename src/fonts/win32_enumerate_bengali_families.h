#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace mFontEnum {

// Enumerates every installed font family on the device context and returns
// the Bengali ones (see BengaliFontFilter), each once, in the order the
// platform reports them. The device context keeps the font it had.
std::vector<std::wstring> EnumerateBengaliFamilies(HDC dc);

}  // namespace mFontEnum
