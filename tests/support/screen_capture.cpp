#include "screen_capture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/unique_handle.h"

int ScreenImage::CountOf(std::uint32_t colour, int top, int bottom) const {
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
        for (int x = 0; x < width; ++x) count += At(x, y) == colour;
    return count;
}

int ScreenImage::CountOtherThan(std::uint32_t colour, int top, int bottom) const {
    const int rows = std::max(0, std::min(bottom, height) - std::max(top, 0));
    return rows * width - CountOf(colour, top, bottom);
}

std::uint32_t Rgb(COLORREF colour) { return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour); }

RECT ScreenRect(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

ScreenImage CaptureDrawing(int width, int height, const std::function<void(HDC)>& draw) {
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const unique_hbitmap image(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const unique_hdc memory(CreateCompatibleDC(nullptr));
    if (!image || !memory) return {};
    {
        const unique_select_object selection(memory.get(), image.get());
        if (!selection.selected()) return {};
        draw(memory.get());
        GdiFlush();
    }
    const auto* first = static_cast<const std::uint32_t*>(bits);
    ScreenImage captured{width, height, std::vector<std::uint32_t>(first, first + width * height)};
    for (auto& pixel : captured.pixels) pixel &= 0xFFFFFF;  // the fourth byte is not colour
    return captured;
}

ScreenImage CaptureScreen(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    const unique_window_dc screen(nullptr);
    if (!screen) return {};
    bool copied = false;
    ScreenImage captured = CaptureDrawing(width, height, [&](HDC image) {
        copied = BitBlt(image, 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
    });
    return copied ? captured : ScreenImage{};
}

bool SaveBitmap(const ScreenImage& image, const std::wstring& path) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return false;
    const auto imageBytes = static_cast<DWORD>(image.pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER header{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    header.bfSize = header.bfOffBits + imageBytes;
    const BITMAPINFOHEADER info{sizeof info, image.width, -image.height, 1, 32, BI_RGB, imageBytes, 0, 0, 0, 0};
    std::vector<std::uint32_t> opaque = image.pixels;
    for (auto& pixel : opaque) pixel |= 0xFF000000;  // viewers read the fourth byte as alpha
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info), sizeof info);
    file.write(reinterpret_cast<const char*>(opaque.data()), imageBytes);
    return static_cast<bool>(file);
}

std::optional<int> RowsMovedUp(const ScreenImage& earlier, const ScreenImage& later, int most,
                               std::uint32_t background) {
    if (earlier.width != later.width || earlier.height != later.height) return std::nullopt;
    std::optional<int> best;
    int fewestMismatches = 0;
    for (int shift = 0; shift <= most; ++shift) {
        // Later's rows from 1 (the top row may be kept blank) to above the
        // two bottom rows, where the next text is still coming in.
        const int bottom = later.height - 2 - shift;
        if (bottom - 1 < later.height / 4) break;  // too few rows left to tell shifts apart
        int mismatches = 0, ink = 0;
        for (int y = 1; y < bottom; ++y) {
            for (int x = 0; x < later.width; ++x) {
                const std::uint32_t before = earlier.At(x, y + shift);
                mismatches += before != later.At(x, y);
                ink += before != background;
            }
        }
        if (ink == 0) continue;
        // A capture may catch a repaint half done: a few stray pixels are
        // forgiven, a wrong shift mismatches most of the text.
        if (mismatches > ink / 10) continue;
        if (!best || mismatches < fewestMismatches) {
            best = shift;
            fewestMismatches = mismatches;
        }
    }
    return best;
}
