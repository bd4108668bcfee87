#pragma once

#include <string>

#include "common/restart_prompt.h"

// A script's run must never restart the machine: the offer is only noted,
// and the exit code tells the deployment engine that a restart is due.
class RecordedRestart final : public RestartPrompt {
public:
    bool Offer(std::wstring_view prompt) override {
        offered = true;
        text = prompt;
        return true;
    }

    bool offered = false;
    std::wstring text;
};
