#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "browsers/profile_files.h"
#include "call_log.h"

// Browser profile files in memory, by their full paths as Glyphor builds
// them (compared exactly). A folder is there when it is in `folders` or
// holds a file, readable or not. A read of a path in `unreadable` fails; a replace of one in
// `readOnly` or `failing` fails as named and leaves the file as it was; a
// lock in `heldLocks` is held by a running browser. With a log, each
// replace is noted as "Replace PATH", whether or not it succeeds.
class FakeProfileFiles final : public ProfileFiles {
public:
    FakeProfileFiles() = default;
    explicit FakeProfileFiles(CallLog& log) : log_(&log) {}

    Contents Read(std::wstring_view path) override {
        const std::wstring key(path);
        if (unreadable.count(key)) return {Contents::State::Unreadable, {}};
        const auto it = files.find(key);
        if (it == files.end()) return {};
        return {Contents::State::Read, it->second};
    }

    std::vector<std::wstring> Folders(std::wstring_view folder) override {
        const std::wstring prefix = std::wstring(folder) + L"\\";
        std::set<std::wstring> names;
        const auto addChild = [&](const std::wstring& path) {
            if (!path.starts_with(prefix)) return;
            const std::wstring rest = path.substr(prefix.size());
            const auto slash = rest.find(L'\\');
            // A file straight inside the folder is no folder of it.
            if (slash != std::wstring::npos) names.insert(rest.substr(0, slash));
        };
        for (const std::wstring& path : folders) addChild(path + L"\\");
        for (const auto& [path, bytes] : files) addChild(path);
        for (const std::wstring& path : unreadable) addChild(path);
        return {names.begin(), names.end()};
    }

    bool IsLockHeld(std::wstring_view lockFile) override { return heldLocks.count(std::wstring(lockFile)) > 0; }

    Replaced Replace(std::wstring_view path, std::string_view bytes) override {
        const std::wstring key(path);
        if (log_) log_->push_back(L"Replace " + key);
        if (readOnly.count(key)) return Replaced::ReadOnly;
        if (failing.count(key)) return Replaced::Failed;
        files[key] = std::string(bytes);
        return Replaced::Done;
    }

    std::map<std::wstring, std::string> files;
    std::set<std::wstring> folders;  // full paths, without a trailing "\"
    std::set<std::wstring> unreadable;
    std::set<std::wstring> heldLocks;
    std::set<std::wstring> readOnly;
    std::set<std::wstring> failing;

private:
    CallLog* log_ = nullptr;
};
