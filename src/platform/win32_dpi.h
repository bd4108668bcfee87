#pragma once

#include <windows.h>

#include "platform/dpi_placement.h"

// The DPI-aware user32 calls arrived with Windows 10 (1607); on older
// systems, and for a null window, these answer for the system DPI.

// The DPI the window is laid out at: its monitor's for a per-monitor aware
// program, the system's otherwise.
int ReadWindowDpi(HWND window);

// GetSystemMetrics(index) as it is at that DPI.
int ReadSystemMetricForDpi(int index, int dpi);

// The frame around the client area of a window of that style (no menu),
// drawn at that DPI.
FrameInsets ReadFrameInsets(DWORD style, DWORD exStyle, int dpi);
