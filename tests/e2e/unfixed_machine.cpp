#include "unfixed_machine.h"

#include "driver.h"
#include "prefix_fonts.h"

namespace driver {

bool PlaceCopy(const std::wstring& from, const std::wstring& to) {
    DeleteFileW(to.c_str());
    return CopyFileW(from.c_str(), to.c_str(), TRUE);
}

bool SetRegistryText(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text) {
    return RegSetKeyValueW(root, path.c_str(), name.c_str(), REG_SZ, text.c_str(),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::wstring VrindaStandIn() { return BuildPath(L"tests/win/vrinda-standin.ttf"); }

std::wstring VrindaInFontsFolder() { return FontsFolder() + L"\\Vrinda.ttf"; }

bool ResetToUnfixedMachine() {
    DeleteFileW(kVrindaBackup);
    if (!PlaceCopy(VrindaStandIn(), VrindaInFontsFolder())) return false;
    if (!SetRegistryText(HKEY_LOCAL_MACHINE, kFontsKey, L"Vrinda (TrueType)", L"Vrinda.ttf")) return false;
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSubstitutesKey, L"Vrinda");
    RegDeleteTreeW(HKEY_CURRENT_USER, kInternetExplorerKey);
    RegDeleteTreeW(HKEY_USERS, L".DEFAULT\\Control Panel");
    return true;
}

}  // namespace driver
