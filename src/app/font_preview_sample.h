#pragma once

#include <string_view>

// What each entry of the font list shows in its own family: "Bengali script".
inline constexpr std::wstring_view kBengaliSample = L"\u09AC\u09BE\u0982\u09B2\u09BE \u09B2\u09BF\u09AA\u09BF";
