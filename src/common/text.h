#pragma once

#include <string>
#include <string_view>

// The text without its leading and trailing blanks (space characters only;
// tabs and other white space are kept, as the user typed them).
std::wstring TrimBlanks(std::wstring_view text);
