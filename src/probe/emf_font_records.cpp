#include "probe/emf_font_records.h"

#include <optional>

namespace mProbe {
namespace {

constexpr std::uint32_t kHeaderRecord = 1;         // EMR_HEADER
constexpr std::uint32_t kEndRecord = 14;           // EMR_EOF
constexpr std::uint32_t kSelectRecord = 37;        // EMR_SELECTOBJECT
constexpr std::uint32_t kDeleteRecord = 40;        // EMR_DELETEOBJECT
constexpr std::uint32_t kCreateFontRecord = 82;    // EMR_EXTCREATEFONTINDIRECTW
constexpr std::uint32_t kTextRecordA = 83;         // EMR_EXTTEXTOUTA
constexpr std::uint32_t kTextRecordW = 84;         // EMR_EXTTEXTOUTW
constexpr std::uint32_t kSmallTextRecord = 108;    // EMR_SMALLTEXTOUT
constexpr std::uint32_t kSignature = 0x464D4520;   // " EMF", at byte 40 of the header
constexpr std::size_t kHeaderSize = 88;            // ENHMETAHEADER without its optional tail
constexpr std::size_t kHandleCountOffset = 56;     // nHandles, the size of the header's handle table
// Type and size, then the font's handle index, then the LOGFONTW, whose
// face-name field of 32 UTF-16 units starts 28 bytes in.
constexpr std::size_t kFaceOffset = 8 + 4 + 28;
constexpr std::size_t kFaceUnits = 32;
// The character count: in EMR_EXTTEXTOUT after its bounds, graphics mode,
// scales and reference point; in EMR_SMALLTEXTOUT after the reference point.
constexpr std::size_t kTextCountOffset = 8 + 16 + 12 + 8;
constexpr std::size_t kSmallTextCountOffset = 8 + 8;
// A stock object's handle has its top bit set; stock objects 10 to 17 are
// fonts, but for 15, the default palette.
constexpr std::uint32_t kStockObject = 0x80000000;

std::uint32_t ReadWord(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::wstring ReadFace(std::span<const std::uint8_t> record) {
    std::wstring face;
    for (std::size_t i = 0; i < kFaceUnits; ++i) {
        const auto unit = static_cast<wchar_t>(record[kFaceOffset + 2 * i] | record[kFaceOffset + 2 * i + 1] << 8);
        if (unit == L'\0') break;
        face.push_back(unit);
    }
    return face;
}

bool IsStockFont(std::uint32_t handle) {
    const std::uint32_t index = handle & ~kStockObject;
    return (handle & kStockObject) != 0 && index >= 10 && index <= 17 && index != 15;
}

// Whether a text record draws any character; nothing when it is too short to say.
std::optional<bool> DrawsCharacters(std::uint32_t type, std::span<const std::uint8_t> record) {
    const std::size_t at = type == kSmallTextRecord ? kSmallTextCountOffset : kTextCountOffset;
    if (record.size() < at + 4) return std::nullopt;
    return ReadWord(record, at) != 0;
}

}  // namespace

std::vector<std::wstring> ReadDrawnFontFaces(std::span<const std::uint8_t> bytes) {
    std::vector<std::wstring> drawn;
    if (bytes.size() < kHeaderSize || ReadWord(bytes, 0) != kHeaderRecord || ReadWord(bytes, 40) != kSignature)
        return drawn;
    // For each handle index of the header's table, where the font made under
    // it starts in the bytes (kFaceless for a font record too short to hold a
    // face), or 0 for none. An index is given again only once its object is
    // deleted, and selecting a pen or brush leaves the font as it was.
    constexpr std::size_t kFaceless = 1;
    std::vector<std::size_t> fonts(ReadWord(bytes, kHandleCountOffset) & 0xFFFF, 0);
    std::size_t selected = 0;
    std::size_t at = 0;
    while (bytes.size() - at >= 8) {
        const std::uint32_t type = ReadWord(bytes, at);
        const std::uint32_t size = ReadWord(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > bytes.size() - at) break;
        const auto record = bytes.subspan(at, size);
        const std::size_t start = at;
        at += size;
        if (type == kEndRecord) break;
        if (type == kTextRecordA || type == kTextRecordW || type == kSmallTextRecord) {
            if (selected <= kFaceless || !DrawsCharacters(type, record).value_or(false)) continue;
            std::wstring face = ReadFace(bytes.subspan(selected));
            if (!face.empty()) drawn.push_back(std::move(face));
            continue;
        }
        if (size < 12) continue;
        const std::uint32_t handle = ReadWord(record, 8);
        if (handle < fonts.size()) {
            if (type == kCreateFontRecord) fonts[handle] = size >= kFaceOffset + 2 * kFaceUnits ? start : kFaceless;
            else if (type == kDeleteRecord) fonts[handle] = 0;
            else if (type == kSelectRecord && fonts[handle] != 0) selected = fonts[handle];
        } else if (type == kSelectRecord && IsStockFont(handle)) {
            selected = 0;
        }
    }
    return drawn;
}

}  // namespace mProbe
