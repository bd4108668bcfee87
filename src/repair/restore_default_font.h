#pragma once

class MainWindowControls;
class Prompts;
class Registry;
class RestartPrompt;

// cmdDef: points the substitute for Vrinda (and, with chkIE, Internet
// Explorer's Bengali fonts) back at Vrinda, asks the user to reinstall the
// font and offers the restart. lblDefFont keeps its caption until the next
// start, and the backup file is left where it is.
void RestoreDefaultFont(MainWindowControls& window, Registry& registry, Prompts& prompts, RestartPrompt& restart);
