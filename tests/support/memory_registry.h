#pragma once

#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "call_log.h"
#include "platform/registry.h"

// A registry in memory, case-insensitive in key paths and value names like
// the real one. It counts reads and keeps every write; with a log it also
// notes each write and delete by value name. A write or delete of a value
// named in `refused` fails, and a read of one named in `unreadable`, as
// they would without rights.
class MemoryRegistry final : public Registry {
public:
    struct Write {
        RegistryRoot root;
        std::wstring path;
        std::wstring name;
        RegistryValue value;
    };

    MemoryRegistry() = default;
    explicit MemoryRegistry(CallLog& log) : log_(&log) {}

    QueriedValue Query(RegistryRoot root, std::wstring_view path, std::wstring_view name) override {
        ++queries;
        if (unreadable.count(Fold(name))) return QueriedValue::Unreadable();
        const auto it = values_.find(Key(root, path, name));
        if (it == values_.end()) return {};
        return {it->second, false};
    }

    bool Set(RegistryRoot root, std::wstring_view path, std::wstring_view name, const RegistryValue& value) override {
        if (log_) log_->push_back(L"Set " + std::wstring(name));
        if (refused.count(Fold(name))) return false;
        writes.push_back({root, std::wstring(path), std::wstring(name), value});
        values_[Key(root, path, name)] = value;
        names_[Key(root, path, name)] = name;
        return true;
    }

    bool Delete(RegistryRoot root, std::wstring_view path, std::wstring_view name) override {
        if (log_) log_->push_back(L"Delete " + std::wstring(name));
        if (refused.count(Fold(name))) return false;
        values_.erase(Key(root, path, name));
        names_.erase(Key(root, path, name));
        return true;
    }

    std::vector<std::wstring> ValueNames(RegistryRoot root, std::wstring_view path) override {
        std::vector<std::wstring> names;
        for (const auto& [id, name] : names_)
            if (std::get<0>(id) == root && std::get<1>(id) == Fold(path)) names.push_back(name);
        return names;
    }

    std::vector<std::wstring> SubkeyNames(RegistryRoot root, std::wstring_view path) override {
        std::set<std::wstring> names;
        const std::wstring parent = Fold(path) + L"\\";
        for (const auto& [id, name] : names_) {
            const std::wstring& key = std::get<1>(id);
            if (std::get<0>(id) != root || !key.starts_with(parent)) continue;
            const std::wstring rest = key.substr(parent.size());
            names.insert(rest.substr(0, rest.find(L'\\')));
        }
        return {names.begin(), names.end()};
    }

    // Seeds a value without counting it as a write.
    void Put(RegistryRoot root, std::wstring_view path, std::wstring_view name, RegistryValue value) {
        values_[Key(root, path, name)] = std::move(value);
        names_[Key(root, path, name)] = name;
    }

    const RegistryValue* Find(RegistryRoot root, std::wstring_view path, std::wstring_view name) const {
        const auto it = values_.find(Key(root, path, name));
        return it == values_.end() ? nullptr : &it->second;
    }

    void Refuse(std::wstring_view name) { refused.insert(Fold(name)); }
    // Reads of the value fail, as they do without the right to its key.
    void RefuseReads(std::wstring_view name) { unreadable.insert(Fold(name)); }

    int queries = 0;
    std::vector<Write> writes;
    std::set<std::wstring> refused;     // folded value names; use Refuse
    std::set<std::wstring> unreadable;  // folded value names; use RefuseReads

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

    CallLog* log_ = nullptr;
    std::map<Id, RegistryValue> values_;
    std::map<Id, std::wstring> names_;
};
