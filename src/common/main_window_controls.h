#pragma once

#include <string>
#include <string_view>

// The main window's controls as the operations behind its buttons see them.
class MainWindowControls {
public:
    virtual ~MainWindowControls() = default;

    // The edit text of comFont, exactly as typed or picked.
    virtual std::wstring FontChoiceText() const = 0;
    virtual bool SmoothingTicked() const = 0;          // chkFS
    virtual bool InternetExplorerTicked() const = 0;   // chkIE
    virtual bool BrowsersTicked() const = 0;           // chkBrowsers
    virtual void SetDefaultFontCaption(std::wstring_view caption) = 0;  // lblDefFont
    virtual void FocusFontChoice() = 0;
};
