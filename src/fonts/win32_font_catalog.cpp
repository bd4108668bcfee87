#include "fonts/win32_font_catalog.h"

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace {

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

std::optional<std::vector<mFontEnum::WcRange>> Win32FontCatalog::Coverage(std::wstring_view family) {
    // A longer name can be no font's name, and would not fit the structure.
    if (family.empty() || family.size() >= LF_FACESIZE) return std::nullopt;
    const unique_window_dc screen(nullptr);
    if (!screen) return std::nullopt;

    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, family.size());
    // GDI would hand out a substitute for an unknown name, so ask first.
    bool installed = false;
    EnumFontFamiliesExW(screen.get(), &wanted, NoteFamily, reinterpret_cast<LPARAM>(&installed), 0);
    if (!installed) return std::nullopt;

    std::vector<mFontEnum::WcRange> ranges;
    const unique_hfont font(CreateFontIndirectW(&wanted));
    if (!font) return ranges;
    const unique_select_object selection(screen.get(), font.get());
    if (!selection.selected()) return ranges;
    const DWORD size = GetFontUnicodeRanges(screen.get(), nullptr);
    if (size == 0) return ranges;
    std::vector<std::uint8_t> bytes(size);
    if (GetFontUnicodeRanges(screen.get(), reinterpret_cast<GLYPHSET*>(bytes.data())) == 0) return ranges;
    return mFontEnum::ParseGlyphSet(bytes.data(), bytes.size()).ranges;
}
