#include "cli/win32_console_system.h"

#include <algorithm>

#include "fonts/win32_enumerate_bengali_families.h"
#include "platform/unique_handle.h"
#include "platform/win32_is_administrator.h"

std::vector<std::wstring> Win32ConsoleSystem::BengaliFamilies() {
    // The screen's device context: a console program has no window of its own.
    unique_window_dc screen(nullptr);
    if (!screen) return {};
    return mFontEnum::EnumerateBengaliFamilies(screen.get());
}

namespace {

int CALLBACK NoteFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context) {
    auto& families = *reinterpret_cast<std::vector<std::wstring>*>(context);
    std::wstring family(font->lfFaceName, wcsnlen(font->lfFaceName, LF_FACESIZE));
    // A family is reported once per character set; "@" names are its vertical forms.
    if (!family.empty() && family.front() != L'@' &&
        std::find(families.begin(), families.end(), family) == families.end())
        families.push_back(std::move(family));
    return 1;
}

}  // namespace

std::vector<std::wstring> Win32ConsoleSystem::InstalledFamilies() {
    unique_window_dc screen(nullptr);
    if (!screen) return {};
    std::vector<std::wstring> families;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen.get(), &all, NoteFamily, reinterpret_cast<LPARAM>(&families), 0);
    return families;
}

bool Win32ConsoleSystem::IsAdministrator() { return mAPIs::IsAdministrator(); }

bool Win32ConsoleSystem::IsElevatedAdministrator() { return mAPIs::IsElevatedAdministrator(); }

bool Win32ConsoleSystem::AnotherRunHoldsGuard() { return !guard_.TakeGuard(); }

bool Win32ConsoleSystem::WriteFile(std::wstring_view path, std::string_view bytes) {
    const std::wstring name(path);
    const HANDLE opened =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    unique_handle file(opened);
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}
