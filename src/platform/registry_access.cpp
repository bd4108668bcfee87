#include "platform/registry_access.h"

#include <cstddef>
#include <utility>

namespace mRegistry {
namespace {

// REG_SZ data is UTF-16LE; an odd trailing byte is not part of any unit.
std::wstring DecodeString(const std::vector<std::uint8_t>& data) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const wchar_t unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        if (unit == L'\0') break;
        text.push_back(unit);
    }
    return text;
}

std::vector<std::uint8_t> EncodeString(std::wstring_view text) {
    std::vector<std::uint8_t> data;
    data.reserve((text.size() + 1) * 2);
    for (const wchar_t ch : text) {
        const auto unit = static_cast<std::uint16_t>(ch);
        data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return data;
}

std::wstring DecodeSmallBinary(const std::vector<std::uint8_t>& data) {
    switch (data.size()) {
    case 1:
        return std::to_wstring(data[0]);
    case 2:
        return std::to_wstring(static_cast<std::int16_t>(data[0] | (data[1] << 8)));
    default:
        // Nothing sensible fits a longer (or empty) blob into a number.
        return {};
    }
}

}  // namespace

std::wstring QueryValueText(const RegistryValue& value) {
    switch (value.type) {
    case RegistryType::String:
        return DecodeString(value.data);
    case RegistryType::Binary:
        return DecodeSmallBinary(value.data);
    default:
        return {};
    }
}

std::wstring ReadRegistryText(Registry& registry, RegistryRoot root, std::wstring_view path,
                              std::wstring_view name) {
    const auto value = registry.Query(root, path, name);
    return value ? QueryValueText(*value) : std::wstring{};
}

bool WriteRegistryText(Registry& registry, RegistryRoot root, std::wstring_view path,
                       std::wstring_view name, std::wstring_view data) {
    return registry.Set(root, path, name, {RegistryType::String, EncodeString(data)});
}

bool WriteRegistryDword(Registry& registry, RegistryRoot root, std::wstring_view path,
                        std::wstring_view name, std::uint32_t number) {
    std::vector<std::uint8_t> data(4);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(number >> (8 * i));
    return registry.Set(root, path, name, {RegistryType::Dword, std::move(data)});
}

}  // namespace mRegistry
