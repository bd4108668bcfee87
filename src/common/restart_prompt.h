#pragma once

#include <string_view>

// The system's own prompt that offers to restart Windows. It decides and
// acts on the answer itself, so nothing comes back but whether it could be
// shown at all.
class RestartPrompt {
public:
    virtual ~RestartPrompt() = default;
    virtual bool Offer(std::wstring_view text) = 0;
};
