#pragma once

#include <string>

class MainWindowControls;
class Registry;

// What lblDefFont says: "Default Font is - " and what Vrinda is substituted
// by. A missing or unreadable value means Vrinda itself.
std::wstring DefaultFontCaption(Registry& registry);

// Shows the caption in lblDefFont and returns the face it names.
std::wstring RefreshDefaultFont(Registry& registry, MainWindowControls& window);
