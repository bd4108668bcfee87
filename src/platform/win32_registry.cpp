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

// The key opened for `access`; empty when it is missing or cannot be opened.
unique_hkey OpenKey(RegistryRoot root, std::wstring_view path, REGSAM access) {
    unique_hkey key;
    if (RegOpenKeyExW(PredefinedKey(root), std::wstring(path).c_str(), 0, access, key.put()) != ERROR_SUCCESS)
        key.reset();
    return key;
}

}  // namespace

QueriedValue Win32Registry::Query(RegistryRoot root, std::wstring_view path, std::wstring_view name) {
    const std::wstring keyPath(path), valueName(name);
    const auto failed = [](LSTATUS status) {
        return status == ERROR_FILE_NOT_FOUND ? QueriedValue{} : QueriedValue::Unreadable();
    };
    unique_hkey key;
    if (const LSTATUS opened = RegOpenKeyExW(PredefinedKey(root), keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put());
        opened != ERROR_SUCCESS)
        return failed(opened);

    DWORD type = 0, size = 0;
    if (const LSTATUS sized = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
        sized != ERROR_SUCCESS)
        return failed(sized);

    // The value may grow between the two calls; ERROR_MORE_DATA then just means try again.
    RegistryValue value;
    LSTATUS status;
    do {
        value.data.assign(size, 0);
        status = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, value.data.data(), &size);
    } while (status == ERROR_MORE_DATA);
    if (status != ERROR_SUCCESS) return failed(status);
    value.data.resize(size);
    value.type = type;
    return {std::move(value), false};
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

bool Win32Registry::Delete(RegistryRoot root, std::wstring_view path, std::wstring_view name) {
    const std::wstring keyPath(path), valueName(name);
    unique_hkey key;
    const LSTATUS opened = RegOpenKeyExW(PredefinedKey(root), keyPath.c_str(), 0, KEY_SET_VALUE, key.put());
    if (opened == ERROR_FILE_NOT_FOUND) return true;
    if (opened != ERROR_SUCCESS) return false;
    const LSTATUS status = RegDeleteValueW(key.get(), valueName.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::vector<std::wstring> Win32Registry::ValueNames(RegistryRoot root, std::wstring_view path) {
    std::vector<std::wstring> names;
    const unique_hkey key = OpenKey(root, path, KEY_QUERY_VALUE);
    if (!key) return names;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    // The count and the longest name may change while the key is read; a
    // name that no longer fits ends the list early rather than looping.
    std::wstring name(static_cast<std::size_t>(longest) + 1, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        const LSTATUS status =
            RegEnumValueW(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) break;
        names.emplace_back(name.data(), length);
    }
    return names;
}

std::vector<std::wstring> Win32Registry::SubkeyNames(RegistryRoot root, std::wstring_view path) {
    std::vector<std::wstring> names;
    const unique_hkey key = OpenKey(root, path, KEY_ENUMERATE_SUB_KEYS);
    if (!key) return names;
    // A key name has at most 255 characters.
    std::wstring name(256, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name.data(), length);
    }
    return names;
}
