#include "registry_snapshot.h"

#include <array>

#include "platform/unique_handle.h"

namespace driver {
namespace {

struct Root {
    HKEY key;
    const wchar_t* path;
    const wchar_t* name;
};

const Root kRoots[] = {
    {HKEY_LOCAL_MACHINE, L"SOFTWARE", L"HKLM\\SOFTWARE"},
    {HKEY_CURRENT_USER, L"", L"HKCU"},
    {HKEY_USERS, L".DEFAULT", L"HKU\\.DEFAULT"},
};

// Keys that Wine keeps for itself and rewrites as a side effect of what a
// program does; Windows has no such keys, so no program writes them.
const wchar_t* const kVolatileKeys[] = {
    // Wine's cache of font faces, a volatile key never saved with the
    // prefix: RemoveFontResourceW drops the entry of the font it unregisters.
    L"HKCU\\Software\\Wine\\Fonts\\Cache",
};

bool IsVolatile(const std::wstring& key) {
    for (const wchar_t* prefix : kVolatileKeys) {
        const std::wstring p(prefix);
        if (key.size() >= p.size() && CompareStringOrdinal(key.c_str(), static_cast<int>(p.size()), p.c_str(),
                                                           static_cast<int>(p.size()), TRUE) == CSTR_EQUAL &&
            (key.size() == p.size() || key[p.size()] == L'\\'))
            return true;
    }
    return false;
}

void Walk(HKEY key, const std::wstring& name, RegistrySnapshot& snapshot) {
    if (IsVolatile(name)) return;
    DWORD subkeys = 0, longestSubkey = 0, values = 0, longestName = 0, largestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &longestSubkey, nullptr, &values, &longestName,
                         &largestData, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    auto& contents = snapshot[name];
    std::wstring valueName(longestName + 1, L'\0');
    std::vector<BYTE> data(largestData);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameLength = static_cast<DWORD>(valueName.size()), type = 0, size = static_cast<DWORD>(data.size());
        if (RegEnumValueW(key, i, valueName.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            continue;
        contents[valueName.substr(0, nameLength)] = RegistryValue{type, {data.begin(), data.begin() + size}};
    }
    std::wstring subkey(longestSubkey + 1, L'\0');
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD length = static_cast<DWORD>(subkey.size());
        if (RegEnumKeyExW(key, i, subkey.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            continue;
        const std::wstring child = subkey.substr(0, length);
        unique_hkey opened;
        if (RegOpenKeyExW(key, child.c_str(), REG_OPTION_OPEN_LINK, KEY_READ, opened.put()) == ERROR_SUCCESS)
            Walk(opened.get(), name + L"\\" + child, snapshot);
    }
}

std::wstring Describe(const std::wstring& key, const std::wstring& value) { return key + L" [" + value + L"]"; }

}  // namespace

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::wstring& path, const std::wstring& name) {
    DWORD type = 0, size = 0;
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value{type, std::vector<std::uint8_t>(size)};
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, value.data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

RegistrySnapshot SnapshotRegistry() {
    RegistrySnapshot snapshot;
    for (const Root& root : kRoots) {
        unique_hkey key;
        if (RegOpenKeyExW(root.key, root.path, 0, KEY_READ, key.put()) == ERROR_SUCCESS)
            Walk(key.get(), root.name, snapshot);
    }
    return snapshot;
}

std::vector<std::wstring> RegistryDifferences(const RegistrySnapshot& before, const RegistrySnapshot& after) {
    std::vector<std::wstring> lines;
    for (const auto& [key, values] : before) {
        const auto now = after.find(key);
        if (now == after.end()) {
            lines.push_back(L"- " + key);
            continue;
        }
        for (const auto& [name, value] : values) {
            const auto found = now->second.find(name);
            if (found == now->second.end())
                lines.push_back(L"- " + Describe(key, name));
            else if (!(found->second == value))
                lines.push_back(L"~ " + Describe(key, name));
        }
        for (const auto& [name, value] : now->second)
            if (!values.contains(name)) lines.push_back(L"+ " + Describe(key, name));
    }
    for (const auto& [key, values] : after) {
        if (before.contains(key)) continue;
        lines.push_back(L"+ " + key);
        for (const auto& [name, value] : values) lines.push_back(L"+ " + Describe(key, name));
    }
    return lines;
}

}  // namespace driver
