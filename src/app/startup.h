#pragma once

class Prompts;

// What the main window's load does, one step each, so that their order and
// the refusals can be checked without a window.
class StartupSteps {
public:
    virtual ~StartupSteps() = default;
    virtual bool AnotherInstanceRunning() = 0;
    virtual bool IsAdministrator() = 0;
    virtual void ShowDefaultFont() = 0;
    virtual void FillFontList() = 0;
    virtual void InstallIcon() = 0;
};

enum class StartupOutcome { Refused, Ready };

// Turns away a second instance, then a user outside the Administrators
// group; only then reads the registry, fills the font list and sets the icon.
// On Refused the program is to end at once.
StartupOutcome RunStartup(StartupSteps& steps, Prompts& prompts);
