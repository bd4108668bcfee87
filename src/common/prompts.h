#pragma once

#include <string_view>

enum class MessageIcon { Information, Warning, Error };

// Modal message boxes. An empty title shows the application title.
class Prompts {
public:
    virtual ~Prompts() = default;
    // A box with a single OK button; returns when it is closed.
    virtual void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) = 0;
    // A warning with Yes and No, No the default. True for Yes.
    virtual bool AskYesNo(std::wstring_view text, std::wstring_view title) = 0;
};
