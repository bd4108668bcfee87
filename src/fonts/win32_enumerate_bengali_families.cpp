#include "fonts/win32_enumerate_bengali_families.h"

#include <cstdint>

#include "fonts/bengali_family_collector.h"
#include "platform/unique_handle.h"

namespace mFontEnum {
namespace {

struct Enumeration {
    HDC dc;
    BengaliFamilyCollector collector;
};

// Makes the family's font current on the device context just for the two
// coverage queries, then puts the previous font back and deletes this one.
// A font that cannot be made current gives no coverage, rather than the
// coverage of whatever font the device context already holds.
std::vector<std::uint8_t> ReadCoverage(HDC dc, const LOGFONTW& family) {
    const unique_hfont font(CreateFontIndirectW(&family));
    if (!font) return {};
    const unique_select_object selection(dc, font.get());
    if (!selection.selected()) return {};

    const DWORD size = GetFontUnicodeRanges(dc, nullptr);
    if (size == 0) return {};
    std::vector<std::uint8_t> coverage(size);
    if (GetFontUnicodeRanges(dc, reinterpret_cast<GLYPHSET*>(coverage.data())) == 0) return {};
    return coverage;
}

// Called by the platform once per family and character set. Always goes on
// to the next family.
int CALLBACK EnumFontFamProc(const LOGFONTW* family, const TEXTMETRICW*, DWORD, LPARAM context) {
    auto& enumeration = *reinterpret_cast<Enumeration*>(context);
    enumeration.collector.Offer(std::wstring_view(family->lfFaceName, LF_FACESIZE),
                                [&] { return ReadCoverage(enumeration.dc, *family); });
    return 1;
}

}  // namespace

std::vector<std::wstring> EnumerateBengaliFamilies(HDC dc) {
    Enumeration enumeration{dc, {}};
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &all, EnumFontFamProc, reinterpret_cast<LPARAM>(&enumeration), 0);
    return enumeration.collector.Families();
}

}  // namespace mFontEnum
