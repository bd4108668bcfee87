#pragma once

#include <string>

#include "cli/system_status.h"

// `status` for a person: a few lines in plain words.
std::wstring StatusText(const SystemStatus& status);

// `status --json`. The field names are part of the program's interface and
// listed in the README; add fields, never rename or remove one.
std::wstring StatusJson(const SystemStatus& status);

// What the default Bengali font is and why, in one or two sentences.
std::wstring DefaultFontMeaning(const SystemStatus& status);
