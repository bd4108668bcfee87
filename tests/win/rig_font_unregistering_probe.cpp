// A process of its own for rig_font_unregistering_test, since Wine loads and
// tracks fonts per process.
//   probe --family NAME        exit code 1 when the font family is known
//   probe [--add FILE] NAME    registers FILE first (exit code 100 when that
//                              fails), then exits with the result of
//                              RemoveFontResourceW(NAME)
#include <windows.h>

#include <string_view>

#include "platform/unique_handle.h"

namespace {

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FamilyKnown(const wchar_t* name) {
    const unique_window_dc screen(nullptr);
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, name, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(screen.get(), &font, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring_view(argv[1]) == L"--family") return FamilyKnown(argv[2]);
    int next = 1;
    if (argc == 4 && std::wstring_view(argv[1]) == L"--add") {
        if (AddFontResourceW(argv[2]) == 0) return 100;
        next = 3;
    }
    if (next + 1 != argc) return 101;
    return RemoveFontResourceW(argv[next]);
}
