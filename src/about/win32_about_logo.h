#pragma once

#include "platform/unique_handle.h"

// The name of the logo's RCDATA resource, a JPEG picture (res/about.rc).
inline constexpr const wchar_t* kAboutLogoResource = L"ABOUTLOGO";

// Decodes the About window's logo from the executable's resources with the
// system's own picture loader. Null when it is missing or unreadable.
unique_hbitmap LoadAboutLogo();
