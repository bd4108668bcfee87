// Draws ক (U+0995) with each face named on the command line, as a new
// process sees the fonts, and prints "FACE HASH" a line: equal hashes are the
// same ink, and 0 means that nothing was drawn. Only the ink's bounding box counts, since a linked font sits on
// the base face's baseline. A copy of each drawing goes to the artefacts folder.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "driver.h"
#include "platform/unique_handle.h"

namespace {

constexpr int kSide = 64;

std::uint64_t DrawAndHash(const std::wstring& face) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const unique_hdc dc(CreateCompatibleDC(nullptr));
    const unique_hbitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap) return 0;
    const unique_select_object selectBitmap(dc.get(), bitmap.get());

    LOGFONTW font{};
    font.lfHeight = -40;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    const unique_hfont hfont(CreateFontIndirectW(&font));
    const unique_select_object selectFont(dc.get(), hfont.get());

    RECT all{0, 0, kSide, kSide};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc.get(), TRANSPARENT);
    TextOutW(dc.get(), 8, 4, L"\u0995", 1);
    GdiFlush();

    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    const auto ink = [&](int x, int y) { return (pixels[y * kSide + x] & 0xFFFFFF) != 0xFFFFFF; };
    int left = kSide, top = kSide, right = -1, bottom = -1;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (!ink(x, y)) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return 0;
    // FNV-1a over the box's size and its ink.
    std::uint64_t hash = 1469598103934665603ull;
    const auto mix = [&](std::uint64_t value) { hash = (hash ^ value) * 1099511628211ull; };
    mix(static_cast<std::uint64_t>(right - left));
    mix(static_cast<std::uint64_t>(bottom - top));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) mix(ink(x, y));

    const std::wstring picture = driver::ArtefactPath(face + L".bmp");
    BITMAPFILEHEADER header{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    header.bfSize = header.bfOffBits + kSide * kSide * 4;
    if (FILE* out = _wfopen(picture.c_str(), L"wb")) {
        fwrite(&header, sizeof header, 1, out);
        fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        fwrite(bits, 4, kSide * kSide, out);
        fclose(out);
    }
    return hash;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i)
        std::printf("%ls %016llx\n", argv[i], static_cast<unsigned long long>(DrawAndHash(argv[i])));
    return 0;
}
