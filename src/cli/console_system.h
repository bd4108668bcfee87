#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the console program asks of Windows beside the repair's services.
class ConsoleSystem {
public:
    virtual ~ConsoleSystem() = default;
    // The families the window would list, in its order.
    virtual std::vector<std::wstring> BengaliFamilies() = 0;
    // Every installed family, each once, in the order the platform reports them.
    virtual std::vector<std::wstring> InstalledFamilies() = 0;
    virtual bool IsAdministrator() = 0;
    virtual bool IsElevatedAdministrator() = 0;
    // Takes the guard that the window holds while it runs; true when the
    // window or another console run holds it already.
    virtual bool AnotherRunHoldsGuard() = 0;
    // Writes the file whole, replacing one that is there; false on failure.
    virtual bool WriteFile(std::wstring_view path, std::string_view bytes) = 0;
};
