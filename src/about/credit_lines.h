#pragma once

#include <string>
#include <vector>

// The 33 lines the About window scrolls, the last two empty.
std::vector<std::wstring> CreditLines();
