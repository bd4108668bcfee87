#pragma once

#include <string>

class MainWindowControls;
class Registry;

// What lblDefFont says: "Default Font is - " and what Vrinda is substituted
// by. A missing value, or one that is no text, means Vrinda itself; one
// that could not be read is said to be so, not taken for Vrinda.
std::wstring DefaultFontCaption(Registry& registry);

// Shows the caption in lblDefFont and returns the face it names, empty
// when the substitute could not be read.
std::wstring RefreshDefaultFont(Registry& registry, MainWindowControls& window);
