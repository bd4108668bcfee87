#pragma once

#include <string_view>

enum class MessageIcon { Information, Error };

// Modal message boxes with a single OK button. An empty title shows the
// application title.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) = 0;
};
