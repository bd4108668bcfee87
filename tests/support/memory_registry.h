#pragma once

#include <cwctype>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry.h"

// A registry in memory, case-insensitive in key paths and value names like
// the real one. It counts every call, and writes can be made to fail.
class MemoryRegistry final : public Registry {
public:
    struct Write {
        RegistryRoot root;
        std::wstring path;
        std::wstring name;
        RegistryValue value;
    };

    std::optional<RegistryValue> Query(RegistryRoot root, std::wstring_view path, std::wstring_view name) override {
        ++queries;
        const auto it = values_.find(Key(root, path, name));
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }

    bool Set(RegistryRoot root, std::wstring_view path, std::wstring_view name, const RegistryValue& value) override {
        if (failWrites) return false;
        writes.push_back({root, std::wstring(path), std::wstring(name), value});
        values_[Key(root, path, name)] = value;
        return true;
    }

    // Seeds a value without counting it as a write.
    void Put(RegistryRoot root, std::wstring_view path, std::wstring_view name, RegistryValue value) {
        values_[Key(root, path, name)] = std::move(value);
    }

    const RegistryValue* Find(RegistryRoot root, std::wstring_view path, std::wstring_view name) const {
        const auto it = values_.find(Key(root, path, name));
        return it == values_.end() ? nullptr : &it->second;
    }

    int queries = 0;
    std::vector<Write> writes;
    bool failWrites = false;

private:
    using Id = std::tuple<RegistryRoot, std::wstring, std::wstring>;

    static std::wstring Fold(std::wstring_view text) {
        std::wstring folded(text);
        for (auto& ch : folded) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
        return folded;
    }
    static Id Key(RegistryRoot root, std::wstring_view path, std::wstring_view name) {
        return {root, Fold(path), Fold(name)};
    }

    std::map<Id, RegistryValue> values_;
};
