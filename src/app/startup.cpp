#include "app/startup.h"

#include "common/identity.h"
#include "common/prompts.h"

StartupOutcome RunStartup(StartupSteps& steps, Prompts& prompts) {
    if (steps.AnotherInstanceRunning()) {
        prompts.ShowMessage(L"Already Running", kApplicationTitle, MessageIcon::Information);
        return StartupOutcome::Refused;
    }
    if (!steps.IsAdministrator()) {
        prompts.ShowMessage(L"You must have Admin Privilege for this.\r\nPlease login as a Administrator",
                            kProgramTitle, MessageIcon::Error);
        return StartupOutcome::Refused;
    }
    steps.ShowDefaultFont();
    steps.FillFontList();
    steps.InstallIcon();
    return StartupOutcome::Ready;
}
