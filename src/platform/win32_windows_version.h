#pragma once

#include "common/windows_version.h"

// The version Windows reports to this program. Past Windows 8 it tells the
// truth only to a program whose manifest names the version as supported.
WindowsVersion ReadWindowsVersion();
