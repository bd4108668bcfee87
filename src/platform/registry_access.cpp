#include "platform/registry_access.h"

#include <charconv>
#include <cstddef>
#include <iterator>
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

void AppendUnits(std::vector<std::uint8_t>& data, std::wstring_view text) {
    for (const wchar_t ch : text) {
        const auto unit = static_cast<std::uint16_t>(ch);
        data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    data.push_back(0);
    data.push_back(0);
}

// std::to_wstring would link the C library's whole printf machinery in.
std::wstring DecimalText(int value) {
    char digits[16];
    char* const end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return std::wstring(digits, end);
}

std::wstring DecodeSmallBinary(const std::vector<std::uint8_t>& data) {
    switch (data.size()) {
    case 1:
        return DecimalText(data[0]);
    case 2:
        return DecimalText(static_cast<std::int16_t>(data[0] | (data[1] << 8)));
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

std::vector<std::wstring> QueryValueStrings(const RegistryValue& value) {
    std::vector<std::wstring> strings;
    if (value.type != RegistryType::MultiString) return strings;
    std::wstring current;
    for (std::size_t i = 0; i + 1 < value.data.size(); i += 2) {
        const wchar_t unit = static_cast<wchar_t>(value.data[i] | (value.data[i + 1] << 8));
        if (unit != L'\0') {
            current.push_back(unit);
            continue;
        }
        if (current.empty()) return strings;  // the list's closing NUL
        strings.push_back(std::move(current));
        current.clear();
    }
    if (!current.empty()) strings.push_back(std::move(current));
    return strings;
}

RegistryValue TextValue(std::wstring_view text) {
    RegistryValue value{RegistryType::String, {}};
    value.data.reserve((text.size() + 1) * 2);
    AppendUnits(value.data, text);
    return value;
}

RegistryValue DwordValue(std::uint32_t number) {
    RegistryValue value{RegistryType::Dword, std::vector<std::uint8_t>(4)};
    for (std::size_t i = 0; i < value.data.size(); ++i) value.data[i] = static_cast<std::uint8_t>(number >> (8 * i));
    return value;
}

RegistryValue MultiStringValue(const std::vector<std::wstring>& strings) {
    RegistryValue value{RegistryType::MultiString, {}};
    // An empty string would end the list early when it is read back.
    for (const std::wstring& text : strings)
        if (!text.empty()) AppendUnits(value.data, text);
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

bool WriteRegistryText(Registry& registry, RegistryRoot root, std::wstring_view path,
                       std::wstring_view name, std::wstring_view data) {
    return registry.Set(root, path, name, TextValue(data));
}

bool WriteRegistryDword(Registry& registry, RegistryRoot root, std::wstring_view path,
                        std::wstring_view name, std::uint32_t number) {
    return registry.Set(root, path, name, DwordValue(number));
}

}  // namespace mRegistry
