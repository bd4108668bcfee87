#pragma once

// The Windows version the program runs on, as its manifest lets it see it.
struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;

    // Windows 8 draws Bengali interface text with its own fallback font, not Vrinda.
    bool FallsBackPastVrinda() const { return major > 6 || (major == 6 && minor >= 2); }
};
