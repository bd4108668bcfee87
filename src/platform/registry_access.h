#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

// Text and number access to registry values, as the rest of the program uses it.
namespace mRegistry {

// A value as the program shows it: a REG_SZ up to its first NUL (all of it
// when it holds none), a one- or two-byte REG_BINARY as a decimal number,
// anything else as the empty text.
std::wstring QueryValueText(const RegistryValue& value);

// A REG_MULTI_SZ's strings, in order. The list ends at its empty string or
// at the end of the data, whichever comes first; a last string without its
// NUL still counts. Any other type gives no strings.
std::vector<std::wstring> QueryValueStrings(const RegistryValue& value);

// Values as they are stored: REG_SZ and REG_MULTI_SZ in UTF-16 with their
// terminating NULs (the list with its extra one), REG_DWORD in four
// little-endian bytes.
RegistryValue TextValue(std::wstring_view text);
RegistryValue DwordValue(std::uint32_t number);
RegistryValue MultiStringValue(const std::vector<std::wstring>& strings);

// The value as text; empty when the key or value is missing or unreadable,
// so not for deciding what to change: there Registry::Query tells them apart.
std::wstring ReadRegistryText(Registry& registry, RegistryRoot root, std::wstring_view path,
                              std::wstring_view name);

// Stores a REG_SZ (UTF-16, with its terminating NUL), creating missing keys.
bool WriteRegistryText(Registry& registry, RegistryRoot root, std::wstring_view path,
                       std::wstring_view name, std::wstring_view data);

// Stores a four-byte little-endian REG_DWORD, creating missing keys.
bool WriteRegistryDword(Registry& registry, RegistryRoot root, std::wstring_view path,
                        std::wstring_view name, std::uint32_t number);

}  // namespace mRegistry
