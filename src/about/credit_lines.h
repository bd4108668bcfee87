#pragma once

#include <string>
#include <string_view>
#include <vector>

// The credits as one text, its lines joined by "\r\n"; it ends with a line
// break, so its last line is empty.
std::wstring CreditsText();

// Splits at every "\r\n"; a lone "\r" or "\n" stays inside its line.
std::vector<std::wstring> SplitAtLineBreaks(std::wstring_view text);

// The 33 lines the About window scrolls.
std::vector<std::wstring> CreditLines();
