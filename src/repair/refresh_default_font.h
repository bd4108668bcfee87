#pragma once

#include <string>

class MainWindowControls;
class Registry;

// Reads what Vrinda is substituted by, shows it in lblDefFont and returns it.
// A missing or unreadable value means Vrinda itself.
std::wstring RefreshDefaultFont(Registry& registry, MainWindowControls& window);
