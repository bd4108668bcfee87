#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "browsers/browser_fonts.h"

// A Chromium profile's Preferences file (UTF-8 JSON, the keys nested by
// their dotted names). Glyphor changes webkit.webprefs.fonts.standard.Beng,
// .serif.Beng and .sansserif.Beng, and records beside them, in the same
// file, what each held before; every other key and value comes back equal
// as parsed JSON. A file that does not parse, or whose keys on the way are
// not what the browser writes, is refused: the browser would move such a
// file aside, and a rewrite would lose what it holds. A byte-order mark,
// which the browser skips, is not written back.

// The Bengali fonts the file names; nothing when it is refused.
std::optional<BengaliFonts> ReadChromiumBengaliFonts(std::string_view preferences);

// Names `face` in all three keys and records what the fix took. A file
// already naming `face` in all three is Unchanged. Run again over its own
// edit, the first record stays for the keys that still hold what it wrote.
FontEdit SetChromiumBengaliFont(std::string_view preferences, std::wstring_view face);

// Puts back each key that still holds what the fix wrote, as it was before
// (removed, with any object the fix made for it, where there was none),
// leaves one the user changed since, and drops the record. A file with no
// record is Unchanged.
FontEdit UndoChromiumBengaliFont(std::string_view preferences);

// The file holds the fix's record.
bool HoldsChromiumRecord(std::string_view preferences);

// The profiles `Local State` lists in profile.info_cache, with their names,
// in the file's order; nothing when it does not parse or holds no list.
std::optional<std::vector<ListedProfile>> ListChromiumProfiles(std::string_view localState);
