#pragma once

#include <windows.h>

// The DPI-aware user32 calls arrived with Windows 10 (1607); on older
// systems, and for a null window, these answer for the system DPI.

// The DPI the window is laid out at: its monitor's for a per-monitor aware
// program, the system's otherwise.
int ReadWindowDpi(HWND window);

// GetSystemMetrics(index) as it is at that DPI.
int ReadSystemMetricForDpi(int index, int dpi);

// The window rectangle around a client rectangle, for a window of that
// style whose frame is drawn at that DPI (no menu).
RECT AddWindowFrame(const RECT& client, DWORD style, DWORD exStyle, int dpi);
