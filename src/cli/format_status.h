#pragma once

#include <string>

#include "cli/system_status.h"

// `status` for a person: a few lines in plain words.
std::wstring FormatStatusText(const SystemStatus& status);

// `status --json`. The field names are part of the program's interface and
// listed in the README; add fields, never rename or remove one.
std::wstring FormatStatusJson(const SystemStatus& status);

// What the default Bengali font is and why, in one or two sentences.
std::wstring ExplainDefaultFont(const SystemStatus& status);
