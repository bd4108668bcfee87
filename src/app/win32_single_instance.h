#pragma once

#include "platform/unique_handle.h"

// A named mutex held for the life of the process tells a later start that
// this program already runs in the session.
class SingleInstance {
public:
    bool AnotherInstanceRunning();

private:
    unique_handle mutex_;
};
