#include "platform/win32_registry.h"

#include <string>

#include "platform/unique_handle.h"

namespace {

HKEY PredefinedKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users: return HKEY_USERS;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    }
    return nullptr;
}

}  // namespace

std::optional<RegistryValue> Win32Registry::Query(RegistryRoot root, std::wstring_view path,
                                                  std::wstring_view name) {
    const std::wstring keyPath(path), valueName(name);
    unique_hkey key;
    if (RegOpenKeyExW(PredefinedKey(root), keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
        return std::nullopt;

    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;

    // The value may grow between the two calls; ERROR_MORE_DATA then just means try again.
    RegistryValue value;
    LSTATUS status;
    do {
        value.data.assign(size, 0);
        status = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, value.data.data(), &size);
    } while (status == ERROR_MORE_DATA);
    if (status != ERROR_SUCCESS) return std::nullopt;
    value.data.resize(size);
    value.type = type;
    return value;
}

bool Win32Registry::Set(RegistryRoot root, std::wstring_view path, std::wstring_view name,
                        const RegistryValue& value) {
    const std::wstring keyPath(path), valueName(name);
    unique_hkey key;
    if (RegCreateKeyExW(PredefinedKey(root), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExW(key.get(), valueName.c_str(), 0, value.type, value.data.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}
