#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "probe/font_drawing.h"

// An enhanced metafile as GDI records one: its header, one
// EMR_EXTCREATEFONTINDIRECTW for each face, in order, and EMR_EOF.
inline std::vector<std::uint8_t> MetafileCreatingFonts(const std::vector<std::wstring>& faces) {
    std::vector<std::uint8_t> bytes;
    const auto word = [&](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    };
    word(1), word(88);
    for (int i = 0; i < 8; ++i) word(0);
    word(0x464D4520);
    for (int i = 0; i < 11; ++i) word(0);
    for (const std::wstring& face : faces) {
        word(82), word(104), word(1);
        for (int i = 0; i < 7; ++i) word(0);  // LOGFONTW up to its face name
        for (std::size_t i = 0; i < 32; ++i) {
            const auto unit = static_cast<std::uint16_t>(i < face.size() ? face[i] : 0);
            bytes.push_back(static_cast<std::uint8_t>(unit)), bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
    }
    word(14), word(20), word(0), word(16), word(20);
    return bytes;
}

// A stock Windows 7 with Vrinda installed: every interface face is itself
// and falls back to Vrinda for Bengali; no DirectWrite fallback.
class FakeFontDrawing final : public FontDrawing {
public:
    std::wstring MessageFace() override { return messageFace; }
    std::vector<std::uint8_t> RecordText(std::wstring_view face, std::wstring_view) override {
        const auto it = recorded.find(std::wstring(face));
        if (it != recorded.end()) return MetafileCreatingFonts(it->second);
        return MetafileCreatingFonts({std::wstring(face), fallback});
    }
    std::optional<std::wstring> ResolveFamily(std::wstring_view face) override {
        const auto it = families.find(std::wstring(face));
        if (it != families.end()) return it->second;
        return std::wstring(face);
    }
    DirectWriteMapping MapDirectWriteFallback(std::wstring_view, std::wstring_view) override { return directWrite; }

    std::wstring messageFace = L"Tahoma";
    std::wstring fallback = L"Vrinda";
    // Faces whose drawing records other fonts than the face and the fallback.
    std::map<std::wstring, std::vector<std::wstring>> recorded;
    // Faces that resolve to another family (or to none); the rest are themselves.
    std::map<std::wstring, std::optional<std::wstring>> families;
    DirectWriteMapping directWrite;
};
