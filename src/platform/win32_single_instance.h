#pragma once

#include "platform/unique_handle.h"

// A named mutex that the window holds for its life and the console program
// while it fixes or restores, so that the two never write at the same time.
// It lives in the global namespace: a start-up script runs in session 0, the
// window in the user's session.
class SingleInstance {
public:
    // Takes the guard for the life of this object; false when another run
    // holds it already.
    bool TakeGuard();

private:
    unique_handle mutex_;
};
