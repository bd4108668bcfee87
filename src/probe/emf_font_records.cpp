#include "probe/emf_font_records.h"

namespace mProbe {
namespace {

constexpr std::uint32_t kHeaderRecord = 1;         // EMR_HEADER
constexpr std::uint32_t kEndRecord = 14;           // EMR_EOF
constexpr std::uint32_t kCreateFontRecord = 82;    // EMR_EXTCREATEFONTINDIRECTW
constexpr std::uint32_t kSignature = 0x464D4520;   // " EMF", at byte 40 of the header
constexpr std::size_t kHeaderSize = 88;            // ENHMETAHEADER without its optional tail
// Type and size, then the font's handle index, then the LOGFONTW, whose
// face-name field of 32 UTF-16 units starts 28 bytes in.
constexpr std::size_t kFaceOffset = 8 + 4 + 28;
constexpr std::size_t kFaceUnits = 32;

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

}  // namespace

std::vector<std::wstring> ReadCreatedFontFaces(std::span<const std::uint8_t> bytes) {
    std::vector<std::wstring> faces;
    if (bytes.size() < kHeaderSize || ReadWord(bytes, 0) != kHeaderRecord || ReadWord(bytes, 40) != kSignature)
        return faces;
    std::size_t at = 0;
    while (bytes.size() - at >= 8) {
        const std::uint32_t type = ReadWord(bytes, at);
        const std::uint32_t size = ReadWord(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > bytes.size() - at) break;
        const auto record = bytes.subspan(at, size);
        if (type == kEndRecord) break;
        if (type == kCreateFontRecord && size >= kFaceOffset + 2 * kFaceUnits) faces.push_back(ReadFace(record));
        at += size;
    }
    return faces;
}

}  // namespace mProbe
