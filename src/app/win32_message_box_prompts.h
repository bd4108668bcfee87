#pragma once

#include <windows.h>

#include "common/prompts.h"

// Prompts as modal Windows message boxes over an owner window (or none).
class MessageBoxPrompts final : public Prompts {
public:
    explicit MessageBoxPrompts(HWND owner) : owner_(owner) {}
    void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) override;
    bool AskYesNo(std::wstring_view text, std::wstring_view title) override;

private:
    HWND owner_;
};
