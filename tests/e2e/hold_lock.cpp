// Holds a profile's lock file open as the running browser does, until its
// standard input closes; prints "held" once the file is open.
//   hold_lock chromium|firefox FILE
// Chromium keeps User Data\lockfile open for writing with reading shared and
// deletes it on close; Firefox keeps parent.lock open shared with nobody, and
// the file stays.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring browser = argc == 3 ? argv[1] : L"";
    if (browser != L"chromium" && browser != L"firefox") {
        std::fputs("usage: hold_lock chromium|firefox FILE\n", stderr);
        return 2;
    }
    const bool chromium = browser == L"chromium";
    // Held until the process ends, which closes it as a browser's end does.
    const HANDLE lock = CreateFileW(argv[2], chromium ? GENERIC_WRITE : GENERIC_READ | GENERIC_WRITE,
                                    chromium ? FILE_SHARE_READ : 0, nullptr, chromium ? CREATE_ALWAYS : OPEN_ALWAYS,
                                    chromium ? FILE_FLAG_DELETE_ON_CLOSE : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (lock == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open %ls: error %lu\n", argv[2], GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    char ignored;
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &ignored, 1, &read, nullptr) && read != 0) {
    }
    return 0;
}
