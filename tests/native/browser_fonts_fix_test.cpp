#include <gtest/gtest.h>

#include "browsers/chromium_preferences.h"
#include "browsers/firefox_prefs.h"
#include "repair/fix_default_font.h"
#include "repair/restore_default_font.h"
#include "repair_fakes.h"

namespace {

const std::wstring kWarning = L"Message [Glyphor " GLYPHOR_VERSION L"] (warning) ";
const std::string kChromeSettings = R"({"homepage":"https://example.invalid/","browser":{"has_seen_welcome_page":true}})";
const std::string kFirefoxSettings = "// Mozilla User Preferences\n\nuser_pref(\"browser.startup.homepage\", \"https://example.invalid/\");\n";

// A machine with a profile in each browser, Edge open.
struct BrowsersRig : RepairRig {
    std::wstring chrome = AddChromiumProfile(L"Google\\Chrome\\User Data", L"Default", kChromeSettings);
    std::wstring edge = AddChromiumProfile(L"Microsoft\\Edge\\User Data", L"Default", kChromeSettings);
    std::wstring firefox = AddFirefoxProfile(L"abc.default-release", kFirefoxSettings);

    BrowsersRig() {
        InstallVrinda();
        profiles.heldLocks.insert(user.localAppData + L"Microsoft\\Edge\\User Data\\lockfile");
        window.browsers = true;
    }
    void Fix() {
        window.fontChoice = L"Likhan";
        FixDefaultFont(window, Services());
    }
    std::wstring Warning() const {
        for (const auto& entry : log)
            if (entry.starts_with(kWarning)) return entry.substr(kWarning.size());
        return {};
    }
    std::vector<std::wstring> Replaced() const {
        std::vector<std::wstring> replaced;
        for (const auto& entry : log)
            if (entry.starts_with(L"Replace ")) replaced.push_back(entry.substr(8));
        return replaced;
    }
};

struct BrowserFonts : ::testing::Test, BrowsersRig {};

}  // namespace

TEST_F(BrowserFonts, FixSetsEveryProfileButAnOpenBrowsersAndRestoreGivesItBack) {
    Fix();
    EXPECT_EQ(Replaced(), (std::vector<std::wstring>{chrome, firefox}));
    EXPECT_EQ(profiles.files[edge], kChromeSettings) << "Edge was open";
    const BengaliFonts likhan{L"Likhan", L"Likhan", L"Likhan"};
    EXPECT_EQ(ReadChromiumBengaliFonts(profiles.files[chrome]), likhan);
    EXPECT_EQ(ReadFirefoxBengaliFonts(profiles.files[firefox]), (BengaliFonts{std::nullopt, L"Likhan", L"Likhan"}));
    EXPECT_EQ(Warning(), L"Microsoft Edge was open, so its Bengali font was not set: close it and press Fix It again.");
    // The box comes before the restart is offered, and the restart is still offered.
    EXPECT_TRUE(log.back().starts_with(L"Restart "));

    log.clear();
    profiles.heldLocks.clear();
    window.browsers = false;  // what the fix took comes back whatever is ticked
    RestoreDefaultFont(window, Services());
    EXPECT_EQ(Replaced(), (std::vector<std::wstring>{chrome, firefox}));
    EXPECT_EQ(profiles.files[chrome], kChromeSettings);
    EXPECT_EQ(profiles.files[firefox], kFirefoxSettings);
    EXPECT_EQ(profiles.files[edge], kChromeSettings) << "the fix never touched it";
}

TEST_F(BrowserFonts, AProfileThatNamesTheFaceAlreadyIsLeftAloneEvenWhileItsBrowserRuns) {
    Fix();
    log.clear();
    profiles.heldLocks.insert(user.localAppData + L"Google\\Chrome\\User Data\\lockfile");
    profiles.heldLocks.erase(user.localAppData + L"Microsoft\\Edge\\User Data\\lockfile");
    Fix();
    EXPECT_EQ(Replaced(), (std::vector<std::wstring>{edge}));
    EXPECT_EQ(Warning(), L"");
}
