#pragma once

#include <string_view>

class FontFiles;
class MainWindowControls;
class Prompts;
class Registry;
class RestartPrompt;

// What comFont holds until the user picks or types a face.
inline constexpr std::wstring_view kFontChoicePlaceholder = L"Choose a Font from the list";

// cmdFix: makes the face in comFont (without its surrounding blanks) the
// substitute for Vrinda, after taking Vrinda out of service; optionally also
// Internet Explorer's Bengali fonts and ClearType smoothing. Then refreshes
// lblDefFont and offers the restart that applies it.
void FixDefaultFont(MainWindowControls& window, Registry& registry, FontFiles& files, Prompts& prompts,
                    RestartPrompt& restart);
