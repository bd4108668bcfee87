#pragma once

#include <string>

#include "common/main_window_controls.h"

class ConsoleOutput;

// The main window's controls as the command line fills them: the face typed
// after "fix" and the options for the ticks. What the window would show in
// lblDefFont is printed instead.
class ConsoleWindowControls final : public MainWindowControls {
public:
    ConsoleWindowControls(ConsoleOutput& out, std::wstring face, bool internetExplorer, bool smoothing)
        : out_(out), face_(std::move(face)), internetExplorer_(internetExplorer), smoothing_(smoothing) {}

    std::wstring FontChoiceText() const override { return face_; }
    bool SmoothingTicked() const override { return smoothing_; }
    bool InternetExplorerTicked() const override { return internetExplorer_; }
    void SetDefaultFontCaption(std::wstring_view caption) override;
    void FocusFontChoice() override {}

private:
    ConsoleOutput& out_;
    std::wstring face_;
    bool internetExplorer_;
    bool smoothing_;
};
