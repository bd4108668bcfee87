#pragma once

#include <string>
#include <vector>

// The fonts that programs started from the driver will see.
namespace driver {

// The prefix's fonts folder (C:\windows\Fonts).
std::wstring FontsFolder();

// Leaves programs started from now on with the fonts of the prefix's fonts
// folder alone. Wine also shows them the host's fonts, two ways: through
// fontconfig, which the whole run must point at a configuration without fonts
// (FONTCONFIG_FILE=tests/support/no-host-fonts.conf; false when it is not
// set), and through the Fonts keys, where the prefix registered the host's
// fonts by their full paths. Those registrations are removed here.
bool HideHostFonts();

// Font files copied into the fonts folder and registered under the Fonts key,
// as an installer does; programs started afterwards see them. They are
// removed again when this object goes.
class InstalledFonts {
public:
    InstalledFonts() = default;
    InstalledFonts(const InstalledFonts&) = delete;
    InstalledFonts& operator=(const InstalledFonts&) = delete;
    ~InstalledFonts();

    // The Windows path of a font file; false when it cannot be installed.
    bool Install(const std::wstring& file);

private:
    std::vector<std::wstring> names_;  // file names in the fonts folder
};

}  // namespace driver
