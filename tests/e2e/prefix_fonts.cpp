#include "prefix_fonts.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/unique_handle.h"

namespace driver {
namespace {

constexpr wchar_t kFontsKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
// Wine keeps the older key and a list of its own in step with the one above.
constexpr wchar_t kOlderFontsKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Fonts";
constexpr wchar_t kWineExternalFontsKey[] = L"Software\\Wine\\Fonts\\External Fonts";
// Wine's per-session cache of what it learnt about each font. Once fonts
// have gone it hands out families with garbage for names; without it the
// next program reads the fonts as they are now.
constexpr wchar_t kWineFontCacheKey[] = L"Software\\Wine\\Fonts\\Cache";

void ForgetFontCache() { RegDeleteTreeW(HKEY_CURRENT_USER, kWineFontCacheKey); }

std::wstring RegistrationName(const std::wstring& file) {
    return file.substr(0, file.find_last_of(L'.')) + L" (TrueType)";
}

// Removes the values of a Fonts key that name a file by its full path
// outside the fonts folder.
void RemoveFontsOutside(HKEY root, const wchar_t* path, const std::wstring& folder) {
    unique_hkey key;
    if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, key.put()) != ERROR_SUCCESS) return;
    std::vector<std::wstring> outside;
    for (DWORD index = 0;; ++index) {
        wchar_t name[512];
        DWORD nameLength = 512;
        wchar_t data[MAX_PATH * 2] = {};
        DWORD dataSize = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(key.get(), index, name, &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;
        const std::wstring file = data;
        const bool fullPath = file.size() > 2 && file[1] == L':';
        const bool inFolder =
            file.size() > folder.size() && CompareStringOrdinal(file.c_str(), static_cast<int>(folder.size()),
                                                                folder.c_str(), static_cast<int>(folder.size()),
                                                                TRUE) == CSTR_EQUAL;
        if (fullPath && !inFolder) outside.push_back(name);
    }
    for (const std::wstring& name : outside) RegDeleteValueW(key.get(), name.c_str());
}

bool RegisterFont(const std::wstring& name, const std::wstring& file) {
    unique_hkey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kFontsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                          static_cast<DWORD>((file.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

std::wstring FontsFolder() {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows) + L"\\Fonts";
}

bool HideHostFonts() {
    const wchar_t* config = _wgetenv(L"FONTCONFIG_FILE");
    if (!config || !*config) return false;
    const std::wstring folder = FontsFolder() + L"\\";
    RemoveFontsOutside(HKEY_LOCAL_MACHINE, kFontsKey, folder);
    RemoveFontsOutside(HKEY_LOCAL_MACHINE, kOlderFontsKey, folder);
    RemoveFontsOutside(HKEY_CURRENT_USER, kWineExternalFontsKey, folder);
    ForgetFontCache();
    return true;
}

bool InstalledFonts::Install(const std::wstring& file) {
    const std::wstring name = file.substr(file.find_last_of(L"\\/") + 1);
    if (!CopyFileW(file.c_str(), (FontsFolder() + L"\\" + name).c_str(), FALSE)) return false;
    names_.push_back(name);
    ForgetFontCache();
    return RegisterFont(RegistrationName(name), name);
}

InstalledFonts::~InstalledFonts() {
    unique_hkey key;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_SET_VALUE, key.put());
    for (const std::wstring& name : names_) {
        if (key) RegDeleteValueW(key.get(), RegistrationName(name).c_str());
        DeleteFileW((FontsFolder() + L"\\" + name).c_str());
    }
    ForgetFontCache();
}

}  // namespace driver
