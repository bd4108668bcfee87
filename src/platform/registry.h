#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The predefined keys the program reads and writes under.
enum class RegistryRoot { LocalMachine, Users, CurrentUser };

// Value types, numbered as the registry numbers them.
namespace RegistryType {
inline constexpr std::uint32_t String = 1;        // REG_SZ
inline constexpr std::uint32_t ExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t Binary = 3;        // REG_BINARY
inline constexpr std::uint32_t Dword = 4;         // REG_DWORD
inline constexpr std::uint32_t MultiString = 7;   // REG_MULTI_SZ
}  // namespace RegistryType

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;

    bool operator==(const RegistryValue&) const = default;
};

// What a read found: the value's type and bytes, or nothing and why. A
// value that could not be read (no right to its key, a read that failed)
// may well exist, so it is not to be taken for a missing one.
struct QueriedValue {
    std::optional<RegistryValue> value;
    bool unreadable = false;

    static QueriedValue Unreadable() { return {std::nullopt, true}; }
    explicit operator bool() const { return value.has_value(); }
    const RegistryValue& operator*() const { return *value; }
    const RegistryValue* operator->() const { return &*value; }
};

// A registry, the machine's or one held in memory. Every call opens the key
// it needs and closes it again before returning.
class Registry {
public:
    virtual ~Registry() = default;

    // The value's type and bytes; nothing when the key or the value is
    // missing, and nothing marked unreadable when it cannot be read.
    virtual QueriedValue Query(RegistryRoot root, std::wstring_view path, std::wstring_view name) = 0;

    // Creates every missing key along the path, then stores the value.
    // True when the value was stored.
    virtual bool Set(RegistryRoot root, std::wstring_view path, std::wstring_view name,
                     const RegistryValue& value) = 0;

    // Removes the value; true when it is gone, also when it never existed.
    virtual bool Delete(RegistryRoot root, std::wstring_view path, std::wstring_view name) = 0;

    // The names of the key's values; empty when the key is missing.
    virtual std::vector<std::wstring> ValueNames(RegistryRoot root, std::wstring_view path) = 0;

    // The names of the key's subkeys; empty when the key is missing.
    virtual std::vector<std::wstring> SubkeyNames(RegistryRoot root, std::wstring_view path) = 0;
};
