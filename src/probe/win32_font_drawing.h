#pragma once

#include "probe/font_drawing.h"

// GDI, Uniscribe and DirectWrite on the screen's device context. DirectWrite
// is loaded from system32 when it is asked for, and only then.
class Win32FontDrawing final : public FontDrawing {
public:
    std::wstring MessageFace() override;
    std::vector<std::uint8_t> RecordText(std::wstring_view face, std::wstring_view text) override;
    std::vector<std::uint8_t> OutlineLetter(std::wstring_view face, wchar_t letter) override;
    std::optional<std::wstring> ResolveFamily(std::wstring_view face) override;
    DirectWriteMapping MapDirectWriteFallback(std::wstring_view baseFamily, std::wstring_view text) override;
};
