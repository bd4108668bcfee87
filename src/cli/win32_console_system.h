#pragma once

#include "cli/console_system.h"
#include "platform/win32_single_instance.h"

// The screen's fonts, the process's token, the shared single-instance guard
// and the file system.
class Win32ConsoleSystem final : public ConsoleSystem {
public:
    std::vector<std::wstring> BengaliFamilies() override;
    std::vector<std::wstring> InstalledFamilies() override;
    bool IsAdministrator() override;
    bool IsElevatedAdministrator() override;
    bool AnotherRunHoldsGuard() override;
    bool WriteFile(std::wstring_view path, std::string_view bytes) override;

private:
    SingleInstance guard_;  // held until the process ends
};
