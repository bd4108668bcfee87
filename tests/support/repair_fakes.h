#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "call_log.h"
#include "common/font_files.h"
#include "common/main_window_controls.h"
#include "common/prompts.h"
#include "common/restart_prompt.h"
#include "fonts/font_catalog.h"
#include "memory_registry.h"
#include "profile_fakes.h"
#include "platform/registry_access.h"
#include "repair/apply_plan.h"
#include "repair/plan_questions.h"
#include "repair/repair_services.h"
#include "repair/substitute_settings.h"

inline constexpr wchar_t kFakeFontsFolder[] = L"C:\\windows\\Fonts\\";
inline constexpr wchar_t kFakeFontFile[] = L"C:\\windows\\Fonts\\Vrinda.ttf";

class FakeFontFiles final : public FontFiles {
public:
    explicit FakeFontFiles(CallLog& log) : log_(log) {}

    bool Unregister(std::wstring_view file) override {
        log_.push_back(L"Unregister " + std::wstring(file));
        return registered.erase(std::wstring(file)) > 0;
    }
    bool Register(std::wstring_view path) override {
        log_.push_back(L"Register " + std::wstring(path));
        if (!files.count(std::wstring(path))) return false;
        registered.insert(std::wstring(path));
        return true;
    }
    void BroadcastFontChange() override { log_.push_back(L"BroadcastFontChange"); }
    bool Move(std::wstring_view from, std::wstring_view to) override {
        log_.push_back(L"Move " + std::wstring(from) + L" -> " + std::wstring(to));
        const auto source = files.find(std::wstring(from));
        if (refuseMove || source == files.end() || protectedFiles.count(source->first) || Occupied(to)) return false;
        files[std::wstring(to)] = source->second;
        files.erase(source);
        return true;
    }
    bool Copy(std::wstring_view from, std::wstring_view to) override {
        log_.push_back(L"Copy " + std::wstring(from) + L" -> " + std::wstring(to));
        const auto source = files.find(std::wstring(from));
        if (source == files.end() || Occupied(to)) return false;
        files[std::wstring(to)] = source->second;
        return true;
    }
    bool Delete(std::wstring_view path) override {
        log_.push_back(L"Delete " + std::wstring(path));
        return !refuseDelete && !protectedFiles.count(std::wstring(path)) && files.erase(std::wstring(path)) > 0;
    }
    bool Exists(std::wstring_view path) override { return files.count(std::wstring(path)) > 0; }
    bool Occupied(std::wstring_view path) override { return Exists(path) || folders.count(std::wstring(path)) > 0; }
    bool IsProtected(std::wstring_view path) override { return protectedFiles.count(std::wstring(path)) > 0; }
    std::wstring FontsFolder() override { return fontsFolder; }

    // Path to contents, so a test can tell one copy of the font from another.
    std::map<std::wstring, std::wstring> files;
    std::set<std::wstring> folders;
    std::set<std::wstring> registered;
    // Protected files refuse to move or go, as Windows' own do.
    std::set<std::wstring> protectedFiles;
    std::wstring fontsFolder = kFakeFontsFolder;
    bool refuseMove = false;
    bool refuseDelete = false;

private:
    CallLog& log_;
};

// Logged as: Message [title] (icon) text, and Ask [title] text -> answer.
// Each box is closed when the call returns; questions take the queued answers, then No.
class FakePrompts final : public Prompts {
public:
    explicit FakePrompts(CallLog& log) : log_(log) {}
    void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) override {
        const wchar_t* kind = icon == MessageIcon::Error ? L"error" : icon == MessageIcon::Warning ? L"warning"
                                                                                                  : L"information";
        log_.push_back(L"Message [" + std::wstring(title) + L"] (" + kind + L") " + std::wstring(text));
    }
    bool AskYesNo(std::wstring_view text, std::wstring_view title) override {
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        log_.push_back(L"Ask [" + std::wstring(title) + L"] " + std::wstring(text) + (yes ? L" -> Yes" : L" -> No"));
        return yes;
    }
    std::deque<bool> answers;

private:
    CallLog& log_;
};

class FakeRestartPrompt final : public RestartPrompt {
public:
    explicit FakeRestartPrompt(CallLog& log) : log_(log) {}
    bool Offer(std::wstring_view text) override {
        log_.push_back(L"Restart " + std::wstring(text));
        return available;
    }
    bool available = true;

private:
    CallLog& log_;
};

class FakeMainWindow final : public MainWindowControls {
public:
    explicit FakeMainWindow(CallLog& log) : log_(log) {}
    std::wstring FontChoiceText() const override { return fontChoice; }
    bool SmoothingTicked() const override { return smoothing; }
    bool InternetExplorerTicked() const override { return internetExplorer; }
    bool BrowsersTicked() const override { return browsers; }
    void SetDefaultFontCaption(std::wstring_view text) override {
        caption = text;
        log_.push_back(L"Caption " + caption);
    }
    void FocusFontChoice() override { log_.push_back(L"Focus comFont"); }

    std::wstring fontChoice;
    bool smoothing = false;
    bool internetExplorer = false;
    bool browsers = false;
    std::wstring caption = L"Default Font is - Vrinda";

private:
    CallLog& log_;
};

// Installed families by name (exact case), each with its coverage.
class FakeFontCatalog final : public FontCatalog {
public:
    std::optional<std::vector<mFontEnum::WcRange>> Coverage(std::wstring_view family) override {
        const auto it = families.find(std::wstring(family));
        if (it == families.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::wstring, std::vector<mFontEnum::WcRange>> families{
        {L"Likhan", {{0x0964, 2}, {0x0981, 3}, {0x0985, 8}, {0x098F, 2}, {0x0993, 22}, {0x09AA, 7}, {0x09B2, 1},
                     {0x09B6, 4}}},
    };
};

// One of each fake over one log, as the fix and the restore are given them.
struct RepairRig {
    CallLog log;
    FakeMainWindow window{log};
    MemoryRegistry registry{log};
    FakeFontFiles files{log};
    FakeFontCatalog fonts;
    FakePrompts prompts{log};
    FakeRestartPrompt restart{log};
    WindowsVersion version{6, 1, 7601};
    FakeProfileFiles profiles{log};
    UserFolders user{L"C:\\Users\\Ana\\", L"C:\\Users\\Ana\\AppData\\Local\\",
                     L"C:\\Users\\Ana\\AppData\\Roaming\\", true};

    AskingUser asking{prompts};

    RepairServices Services() { return {registry, files, fonts, prompts, restart, version, profiles, {user}}; }
    PlanTargets Targets() { return {registry, files, prompts, asking, restart, profiles}; }

    // The Fonts key's registration of a face.
    void Register(std::wstring_view valueName, std::wstring_view file) {
        registry.Put(RegistryRoot::LocalMachine, SubstituteSettings::kFontsPath, valueName, mRegistry::TextValue(file));
    }
    // Vrinda as Windows installs it: in the fonts folder, registered under
    // the Fonts key and loaded for the session.
    void InstallVrinda() {
        Register(L"Vrinda (TrueType)", L"Vrinda.ttf");
        files.files[kFakeFontFile] = L"vrinda";
        files.registered.insert(L"Vrinda.ttf");
    }
    const RegistryValue* Registration(std::wstring_view valueName) const {
        return registry.Find(RegistryRoot::LocalMachine, SubstituteSettings::kFontsPath, valueName);
    }
    std::wstring Text(const SubstituteSettings::Row& row) {
        return mRegistry::ReadRegistryText(registry, row.root, row.path, row.name);
    }
    const RegistryValue* Stored(const SubstituteSettings::Row& row) const {
        return registry.Find(row.root, row.path, row.name);
    }
    // A browser profile of the user's as the browser leaves it: its settings
    // in its folder (Chromium's in User Data, Firefox's listed in
    // profiles.ini). The settings file's path.
    std::wstring AddChromiumProfile(std::wstring_view userData, std::wstring_view folder, std::string preferences) {
        const std::wstring path = user.localAppData + std::wstring(userData) + L"\\" + std::wstring(folder) + L"\\Preferences";
        profiles.files[path] = std::move(preferences);
        return path;
    }
    std::wstring AddFirefoxProfile(std::wstring_view folder, std::string prefs) {
        const std::wstring firefox = user.roamingAppData + L"Mozilla\\Firefox\\";
        std::string& ini = profiles.files[firefox + L"profiles.ini"];
        const std::string name(folder.begin(), folder.end());
        ini += "[Profile" + std::to_string(std::count(ini.begin(), ini.end(), '[')) + "]\nName=" + name +
               "\nIsRelative=1\nPath=Profiles/" + name + "\n\n";
        const std::wstring path = firefox + L"Profiles\\" + std::wstring(folder) + L"\\prefs.js";
        profiles.files[path] = std::move(prefs);
        return path;
    }

    // The log from the first registry write on.
    CallLog FromFirstWrite() const {
        for (auto it = log.begin(); it != log.end(); ++it)
            if (it->starts_with(L"Set ")) return CallLog(it, log.end());
        return {};
    }
};
