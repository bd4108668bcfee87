#pragma once

#include <string_view>

inline constexpr std::wstring_view kCliUsage =
    L"Usage:\n"
    L"  glyphor-cli list [--json]\n"
    L"  glyphor-cli status [--json]\n"
    L"  glyphor-cli fix FACE [--ie] [--smoothing] [--force] [--dry-run]\n"
    L"  glyphor-cli restore [--ie] [--reinstall-vrinda] [--dry-run]\n"
    L"  glyphor-cli export FILE.reg\n"
    L"  glyphor-cli --help | --version\n"
    L"\n"
    L"  list       the installed Bengali font families\n"
    L"  status     the default Bengali font, Vrinda's faces and backups, the interface-font links\n"
    L"  fix        make FACE the default Bengali font and take Vrinda out of service\n"
    L"  restore    make Vrinda the default Bengali font again\n"
    L"  export     save every value fix and restore can change as a .reg file\n"
    L"\n"
    L"  --ie                also set Internet Explorer's Bengali fonts of this user\n"
    L"  --smoothing         switch on ClearType for the sign-in screen\n"
    L"  --force             use FACE even if it is not installed or has no Bengali letters\n"
    L"  --reinstall-vrinda  copy Vrinda's backup back into the Fonts folder\n"
    L"  --dry-run           print what would be done and change nothing\n"
    L"  --json              print JSON (fields are listed in the README)\n"
    L"\n"
    L"Exit codes: 0 done or nothing to do, 3010 done and a restart is needed,\n"
    L"1 failed, 2 usage, 5 not an elevated administrator.\n";
