#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/main_window_controls.h"
#include "common/prompts.h"
#include "memory_registry.h"
#include "platform/registry.h"
#include "common/font_files.h"
#include "common/restart_prompt.h"

// Fakes for the repair operations. Every call that changes something, or
// that the user sees, goes into one shared log, so tests can check the order
// across files, prompts, registry and window. Plain queries are not logged.
using CallLog = std::vector<std::wstring>;

inline constexpr wchar_t kFakeFontsFolder[] = L"C:\\windows\\Fonts\\";
inline constexpr wchar_t kFakeFontFile[] = L"C:\\windows\\Fonts\\Vrinda.ttf";

class FakeFontFiles final : public FontFiles {
public:
    explicit FakeFontFiles(CallLog& log) : log_(log) {}

    bool Unregister(std::wstring_view file) override {
        log_.push_back(L"Unregister " + std::wstring(file));
        return registered.erase(std::wstring(file)) > 0;
    }
    void BroadcastFontChange() override { log_.push_back(L"BroadcastFontChange"); }
    bool Move(std::wstring_view from, std::wstring_view to) override {
        log_.push_back(L"Move " + std::wstring(from) + L" -> " + std::wstring(to));
        const auto source = files.find(std::wstring(from));
        if (refuseMove || source == files.end() || files.count(std::wstring(to))) return false;
        files[std::wstring(to)] = source->second;
        files.erase(source);
        return true;
    }
    bool Delete(std::wstring_view path) override {
        log_.push_back(L"Delete " + std::wstring(path));
        return !refuseDelete && files.erase(std::wstring(path)) > 0;
    }
    bool Exists(std::wstring_view path) override { return files.count(std::wstring(path)) > 0; }
    std::wstring FontsFolder() override { return fontsFolder; }

    // Path to contents, so a test can tell one copy of the font from another.
    std::map<std::wstring, std::wstring> files;
    std::set<std::wstring> registered;
    std::wstring fontsFolder = kFakeFontsFolder;
    bool refuseMove = false;
    bool refuseDelete = false;

private:
    CallLog& log_;
};

class FakePrompts final : public Prompts {
public:
    explicit FakePrompts(CallLog& log) : log_(log) {}
    // Logged as: Message [title] (icon) text. The box is closed when this returns.
    void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) override {
        log_.push_back(L"Message [" + std::wstring(title) + L"] (" +
                       (icon == MessageIcon::Error ? L"error" : L"information") + L") " + std::wstring(text));
    }

private:
    CallLog& log_;
};

class FakeRestartPrompt final : public RestartPrompt {
public:
    explicit FakeRestartPrompt(CallLog& log) : log_(log) {}
    void Offer(std::wstring_view text) override { log_.push_back(L"Restart " + std::wstring(text)); }

private:
    CallLog& log_;
};

class FakeMainWindow final : public MainWindowControls {
public:
    explicit FakeMainWindow(CallLog& log) : log_(log) {}
    std::wstring FontChoiceText() const override { return fontChoice; }
    bool SmoothingTicked() const override { return smoothing; }
    bool InternetExplorerTicked() const override { return internetExplorer; }
    void SetDefaultFontCaption(std::wstring_view text) override {
        caption = text;
        log_.push_back(L"Caption " + caption);
    }
    void FocusFontChoice() override { log_.push_back(L"Focus comFont"); }

    std::wstring fontChoice;
    bool smoothing = false;
    bool internetExplorer = false;
    std::wstring caption = L"Default Font is - Vrinda";

private:
    CallLog& log_;
};

// The in-memory registry, logging each write by its value name; writes to
// the names in `refused` fail as a write without rights would.
class FakeRegistry final : public Registry {
public:
    explicit FakeRegistry(CallLog& log) : log_(log) {}
    std::optional<RegistryValue> Query(RegistryRoot root, std::wstring_view path, std::wstring_view name) override {
        return memory.Query(root, path, name);
    }
    bool Set(RegistryRoot root, std::wstring_view path, std::wstring_view name, const RegistryValue& value) override {
        log_.push_back(L"Set " + std::wstring(name));
        return !refused.count(std::wstring(name)) && memory.Set(root, path, name, value);
    }

    MemoryRegistry memory;
    std::set<std::wstring> refused;

private:
    CallLog& log_;
};
