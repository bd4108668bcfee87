#pragma once

#include <string>
#include <vector>

// Every call of a fake that changes something, or that the user sees, in one
// list, so that a test can check the order across files, prompts, registry
// and window. Plain queries are not logged.
using CallLog = std::vector<std::wstring>;
