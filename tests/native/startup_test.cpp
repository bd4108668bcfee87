#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/main_window_controls.h"
#include "common/prompts.h"
#include "repair/refresh_default_font.h"
#include "memory_registry.h"
#include "repair/substitute_settings.h"

namespace {

struct RecordedMessage {
    std::wstring text, title;
    MessageIcon icon;
};

class RecordingPrompts final : public Prompts {
public:
    void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) override {
        shown.push_back({std::wstring(text), std::wstring(title), icon});
    }
    std::vector<RecordedMessage> shown;
};

class LabelOnly final : public MainWindowControls {
public:
    std::wstring FontChoiceText() const override { return {}; }
    bool SmoothingTicked() const override { return false; }
    bool InternetExplorerTicked() const override { return false; }
    void SetDefaultFontCaption(std::wstring_view caption) override { this->caption = caption; }
    void FocusFontChoice() override {}
    std::wstring caption;
};

// The load's steps over an in-memory registry, logging the order they run in.
class FakeSteps final : public StartupSteps {
public:
    bool AnotherInstanceRunning() override {
        log.push_back("instance");
        return anotherInstance;
    }
    bool IsAdministrator() override {
        log.push_back("administrator");
        return administrator;
    }
    void ShowDefaultFont() override {
        log.push_back("default font");
        RefreshDefaultFont(registry, window);
    }
    void FillFontList() override { log.push_back("font list"); }
    void InstallIcon() override { log.push_back("icon"); }

    bool anotherInstance = false;
    bool administrator = true;
    MemoryRegistry registry;
    LabelOnly window;
    std::vector<std::string> log;
};

}  // namespace

TEST(Startup, RunsEveryStepInOrderForAnAdministrator) {
    FakeSteps steps;
    RecordingPrompts prompts;
    EXPECT_EQ(RunStartup(steps, prompts), StartupOutcome::Ready);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"instance", "administrator", "default font", "font list", "icon"}));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(steps.window.caption, L"Default Font is - Vrinda");
}

TEST(Startup, SecondInstanceIsRefusedBeforeAnythingElse) {
    FakeSteps steps;
    steps.anotherInstance = true;
    steps.administrator = false;  // the instance test comes first, whoever runs it
    RecordingPrompts prompts;
    EXPECT_EQ(RunStartup(steps, prompts), StartupOutcome::Refused);
    EXPECT_EQ(steps.log, std::vector<std::string>{"instance"});
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, L"Already Running");
    EXPECT_EQ(prompts.shown[0].title, L"Glyphor");
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(steps.registry.queries, 0);
    EXPECT_TRUE(steps.registry.writes.empty());
}

TEST(Startup, NonAdministratorIsRefusedWithoutTouchingTheRegistry) {
    FakeSteps steps;
    steps.administrator = false;
    RecordingPrompts prompts;
    EXPECT_EQ(RunStartup(steps, prompts), StartupOutcome::Refused);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"instance", "administrator"}));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, L"You must have Admin Privilege for this.\r\nPlease login as a Administrator");
    EXPECT_EQ(prompts.shown[0].title, L"Glyphor 1.0.5");
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(steps.registry.queries, 0);
    EXPECT_TRUE(steps.registry.writes.empty());
    EXPECT_TRUE(steps.window.caption.empty());
}
