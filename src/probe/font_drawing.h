#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DirectWriteMapping {
    bool available = false;              // DirectWrite with its system fallback is there
    std::optional<std::wstring> family;  // nothing when the fallback maps no font
};

// What Windows itself reports about the fonts it draws with.
class FontDrawing {
public:
    virtual ~FontDrawing() = default;
    // The face of the message font, the one dialogs and message boxes use.
    virtual std::wstring MessageFace() = 0;
    // An enhanced metafile of `text` drawn in `face` through Uniscribe, with
    // fallback and linking, as the classic controls draw; empty when it
    // could not be drawn.
    virtual std::vector<std::uint8_t> RecordText(std::wstring_view face, std::wstring_view text) = 0;
    // The outline of `letter` as GDI draws it in a font asked for by this
    // face name, linked fonts included; empty when it cannot be had.
    virtual std::vector<std::uint8_t> OutlineLetter(std::wstring_view face, wchar_t letter) = 0;
    // The family of the font GDI really makes for a font asked for by this
    // face name; nothing when it cannot tell.
    virtual std::optional<std::wstring> ResolveFamily(std::wstring_view face) = 0;
    // The family DirectWrite's system fallback maps `text` to from `baseFamily`.
    virtual DirectWriteMapping MapDirectWriteFallback(std::wstring_view baseFamily, std::wstring_view text) = 0;
};
