#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "repair/refresh_default_font.h"
#include "repair_fakes.h"

namespace {

// The load's steps over an in-memory registry, logging the order they run
// in; the boxes and the label go into the same log. Only the step that shows
// the default font reads the registry, so a log without it shows that a
// refusal read nothing.
struct FakeSteps final : StartupSteps {
    bool AnotherInstanceRunning() override {
        log.push_back(L"instance");
        return anotherInstance;
    }
    bool IsAdministrator() override {
        log.push_back(L"administrator");
        return administrator;
    }
    void ShowDefaultFont() override {
        log.push_back(L"default font");
        RefreshDefaultFont(registry, window);
    }
    void FillFontList() override { log.push_back(L"font list"); }
    void InstallIcon() override { log.push_back(L"icon"); }

    bool anotherInstance = false;
    bool administrator = true;
    CallLog log;
    MemoryRegistry registry;
    FakeMainWindow window{log};
    FakePrompts prompts{log};
};

}  // namespace

TEST(Startup, RunsEveryStepInOrderForAnAdministrator) {
    FakeSteps steps;
    EXPECT_EQ(RunStartup(steps, steps.prompts), StartupOutcome::Ready);
    EXPECT_EQ(steps.log, (CallLog{L"instance", L"administrator", L"default font", L"Caption Default Font is - Vrinda",
                                  L"font list", L"icon"}));
}

TEST(Startup, SecondInstanceIsRefusedBeforeAnythingElse) {
    FakeSteps steps;
    steps.anotherInstance = true;
    steps.administrator = false;  // the instance test comes first, whoever runs it
    EXPECT_EQ(RunStartup(steps, steps.prompts), StartupOutcome::Refused);
    EXPECT_EQ(steps.log, (CallLog{L"instance", L"Message [Glyphor] (information) Already Running"}));
}

TEST(Startup, NonAdministratorIsRefusedWithoutTouchingTheRegistry) {
    FakeSteps steps;
    steps.administrator = false;
    EXPECT_EQ(RunStartup(steps, steps.prompts), StartupOutcome::Refused);
    EXPECT_EQ(steps.log, (CallLog{L"instance", L"administrator",
                                  L"Message [Glyphor " GLYPHOR_VERSION L"] (error) You must have Admin Privilege for this.\r\n"
                                  L"Please login as a Administrator"}));
}
