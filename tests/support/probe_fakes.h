#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "probe/font_drawing.h"

// An enhanced metafile, record by record, as GDI writes one.
class MetafileBytes {
public:
    static constexpr std::uint32_t kHandles = 16;

    MetafileBytes() {
        Word(1), Word(88);
        for (int i = 0; i < 8; ++i) Word(0);
        Word(0x464D4520);
        Word(0x10000), Word(0), Word(0), Word(kHandles);  // version, sizes unchecked, the handle table's size
        for (int i = 0; i < 7; ++i) Word(0);
    }
    // EMR_EXTCREATEFONTINDIRECTW: a LOGFONTW of this face under the handle.
    MetafileBytes& Font(std::uint32_t handle, std::wstring_view face) {
        Word(82), Word(104), Word(handle);
        for (int i = 0; i < 7; ++i) Word(0);  // LOGFONTW up to its face name
        for (std::size_t i = 0; i < 32; ++i) {
            const auto unit = static_cast<std::uint16_t>(i < face.size() ? face[i] : 0);
            bytes_.push_back(static_cast<std::uint8_t>(unit)), bytes_.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        return *this;
    }
    MetafileBytes& Pen(std::uint32_t handle) { return Word(38), Word(28), Word(handle), Words(4, 0); }
    MetafileBytes& Select(std::uint32_t handle) { return Word(37), Word(12), Word(handle); }
    MetafileBytes& Delete(std::uint32_t handle) { return Word(40), Word(12), Word(handle); }
    // EMR_EXTTEXTOUTW of this many characters, without its string.
    MetafileBytes& Text(std::uint32_t characters) { return Word(84), Word(48), Words(9, 0), Word(characters); }
    std::vector<std::uint8_t> End() {
        Word(14), Word(20), Word(0), Word(16), Word(20);
        return bytes_;
    }

private:
    MetafileBytes& Word(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
        return *this;
    }
    MetafileBytes& Words(int count, std::uint32_t value) {
        for (int i = 0; i < count; ++i) Word(value);
        return *this;
    }
    std::vector<std::uint8_t> bytes_;
};

// A drawing as Uniscribe records one under Wine: each face created under the
// next handle and selected, then the text drawn in the last.
inline std::vector<std::uint8_t> MetafileDrawing(const std::vector<std::wstring>& faces) {
    MetafileBytes metafile;
    std::uint32_t handle = 0;
    for (const std::wstring& face : faces) {
        ++handle;
        metafile.Font(handle, face).Select(handle);
    }
    if (handle != 0) metafile.Text(10);
    return metafile.End();
}

// A stock Windows 7 with Vrinda installed: every face is itself, and a face
// whose family has no Bengali falls back to Vrinda; no DirectWrite fallback.
class FakeFontDrawing final : public FontDrawing {
public:
    std::wstring MessageFace() override { return messageFace; }
    std::vector<std::uint8_t> RecordText(std::wstring_view face, std::wstring_view) override {
        const auto it = recorded.find(std::wstring(face));
        if (it != recorded.end()) return MetafileDrawing(it->second);
        const auto family = ResolveFamily(face);
        if (family && writesBengali.count(*family)) return MetafileDrawing({std::wstring(face)});
        return MetafileDrawing({std::wstring(face), fallback});
    }
    std::vector<std::uint8_t> OutlineLetter(std::wstring_view face, wchar_t) override {
        const auto it = outlines.find(std::wstring(face));
        if (it != outlines.end()) return it->second;
        return std::vector<std::uint8_t>(face.begin(), face.end());
    }
    std::optional<std::wstring> ResolveFamily(std::wstring_view face) override {
        const auto it = families.find(std::wstring(face));
        if (it != families.end()) return it->second;
        return std::wstring(face);
    }
    DirectWriteMapping MapDirectWriteFallback(std::wstring_view, std::wstring_view) override { return directWrite; }

    std::wstring messageFace = L"Tahoma";
    std::wstring fallback = L"Vrinda";
    std::set<std::wstring> writesBengali{L"Vrinda", L"Likhan", L"Nirmala UI"};
    // Faces whose drawing records other fonts than the face and the fallback.
    std::map<std::wstring, std::vector<std::wstring>> recorded;
    // Faces whose letters are drawn as another's; the rest each have their own.
    std::map<std::wstring, std::vector<std::uint8_t>> outlines;
    // Faces that resolve to another family (or to none); the rest are themselves.
    std::map<std::wstring, std::optional<std::wstring>> families;
    DirectWriteMapping directWrite;
};
