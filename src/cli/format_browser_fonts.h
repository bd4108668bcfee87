#pragma once

#include <string>
#include <vector>

#include "repair/observe_browser_profiles.h"

class JsonWriter;

// A profile as a line of text names it: Google Chrome's profile “Person 1” (FOLDER).
std::wstring NameProfile(const BrowserProfile& profile);

// `status`'s section "Bengali in browsers": one line a profile.
std::wstring FormatBrowserFontsText(const std::vector<ObservedProfile>& profiles);

// The same as the value of "browsers" in `status --json`.
void WriteBrowserFontsJson(JsonWriter& json, const std::vector<ObservedProfile>& profiles);
