#pragma once

// The guard is shared with the console program, so it lives in platform.
#include "platform/win32_single_instance.h"
