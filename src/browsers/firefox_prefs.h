#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "browsers/browser_fonts.h"

// A Firefox profile's prefs.js: one user_pref("name", value); a line.
// Glyphor changes font.name.serif.x-beng and font.name.sans-serif.x-beng
// and records what each held before in prefs of its own, which Firefox
// keeps. Every other line stays byte for byte. A line about these prefs
// that is not in the form Firefox writes is refused, and so the profile.

// The Bengali fonts the file names (no `standard`); nothing when refused.
std::optional<BengaliFonts> ReadFirefoxBengaliFonts(std::string_view prefs);

// As SetChromiumBengaliFont, for prefs.js.
FontEdit SetFirefoxBengaliFont(std::string_view prefs, std::wstring_view face);

// As UndoChromiumBengaliFont, for prefs.js.
FontEdit UndoFirefoxBengaliFont(std::string_view prefs);

bool HoldsFirefoxRecord(std::string_view prefs);

// The profiles of profiles.ini, in its order, each with its full path:
// a relative Path (IsRelative=1) is taken from `firefoxFolder`, which ends
// in "\"; forward slashes become backslashes, and the path ends without one.
// A profile whose Path is neither relative nor a full path, or not UTF-8,
// is left out.
std::vector<ListedProfile> ListFirefoxProfiles(std::string_view profilesIni, std::wstring_view firefoxFolder);
