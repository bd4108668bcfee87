#pragma once

#include "platform/registry.h"

// The machine's registry through the wide-character registry functions.
class Win32Registry final : public Registry {
public:
    QueriedValue Query(RegistryRoot root, std::wstring_view path, std::wstring_view name) override;
    bool Set(RegistryRoot root, std::wstring_view path, std::wstring_view name,
             const RegistryValue& value) override;
    bool Delete(RegistryRoot root, std::wstring_view path, std::wstring_view name) override;
    std::vector<std::wstring> ValueNames(RegistryRoot root, std::wstring_view path) override;
    std::vector<std::wstring> SubkeyNames(RegistryRoot root, std::wstring_view path) override;
};
