#pragma once

#include <string_view>

inline constexpr std::wstring_view kCliUsage =
    L"Usage:\n"
    L"  glyphor-cli list [--all] [--json]\n"
    L"  glyphor-cli status [--json] [--expect FACE]\n"
    L"  glyphor-cli fix FACE [--ie] [--smoothing] [--force] [--link] [--dry-run]\n"
    L"  glyphor-cli restore [--ie] [--reinstall-vrinda] [--dry-run]\n"
    L"  glyphor-cli export FILE.reg\n"
    L"  glyphor-cli --help | --version\n"
    L"\n"
    L"  list       the installed Bengali font families (--all: every family with Bengali letters)\n"
    L"  status     the default Bengali font, Vrinda's faces and backups, the interface-font links,\n"
    L"             and which fonts really draw Bengali on this machine now\n"
    L"  fix        make FACE the default Bengali font and take Vrinda out of service\n"
    L"  restore    make Vrinda the default Bengali font again\n"
    L"  export     save every value fix and restore can change as a .reg file\n"
    L"\n"
    L"  --ie                also set Internet Explorer's Bengali fonts of this user\n"
    L"  --smoothing         switch on ClearType for the sign-in screen\n"
    L"  --all               list: every family with the Bengali letters, marked as the window lists them\n"
    L"  --expect FACE       status: exit 1 unless every path a fix reaches on this Windows shows FACE\n"
    L"  --force             use FACE even if it is not installed or has no Bengali letters\n"
    L"  --link              also link FACE into the interface fonts (Windows 8 and later); unproven:\n"
    L"                      Windows sends Bengali, a complex script, to font fallback, not to links\n"
    L"  --reinstall-vrinda  copy Vrinda's backup back into the Fonts folder\n"
    L"  --dry-run           print what would be done and change nothing\n"
    L"  --json              print JSON (fields are listed in the README)\n"
    L"\n"
    L"Exit codes: 0 done or nothing to do, 3010 done and a restart is needed,\n"
    L"1 failed, 2 usage, 5 not an elevated administrator.\n";
