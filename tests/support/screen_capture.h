#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Images of what windows draw, for tests to count pixels in and for people
// to look at. What the display shows is read back from the screen's device
// context: under Wine that is the X display, whichever process drew there;
// PrintWindow and WM_PRINTCLIENT cannot reach into another process (a device
// context is only good in the process that made it).

// Pixels as 0x00RRGGBB, rows from the top.
struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // Pixels of rows top to bottom (exclusive) in this colour, or in another.
    int CountOf(std::uint32_t colour, int top, int bottom) const;
    int CountOtherThan(std::uint32_t colour, int top, int bottom) const;
    int CountOtherThan(std::uint32_t colour) const { return CountOtherThan(colour, 0, height); }
};

std::uint32_t Rgb(COLORREF colour);

// A window's rectangle on the screen, frame included.
RECT ScreenRect(HWND window);
// What draw paints into a fresh image of that size; empty when there is none.
ScreenImage CaptureDrawing(int width, int height, const std::function<void(HDC)>& draw);
// Empty when the area cannot be read.
ScreenImage CaptureScreen(const RECT& area);
// As a 32-bit BMP file, for people to look at.
bool SaveBitmap(const ScreenImage& image, const std::wstring& path);

// By how many rows the content of earlier has moved up in later, looking at
// shifts up to most rows: the shift under which later's rows show what
// earlier showed that many rows further down. Rows entering at the bottom and
// the top row are left out. Nothing when no shift fits, or when the rows
// compared hold only the background, which fits any shift.
std::optional<int> RowsMovedUp(const ScreenImage& earlier, const ScreenImage& later, int most,
                               std::uint32_t background);
