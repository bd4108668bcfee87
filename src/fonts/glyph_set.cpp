#include "fonts/glyph_set.h"

#include <algorithm>

namespace mFontEnum {
namespace {

constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kRangeSize = 4;

std::uint16_t ReadU16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::uint32_t ReadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(ReadU16(at)) | (static_cast<std::uint32_t>(ReadU16(at + 2)) << 16);
}

}  // namespace

GlyphSet ParseGlyphSet(const std::uint8_t* bytes, std::size_t length) {
    GlyphSet set;
    if (bytes == nullptr || length < kHeaderSize) return set;

    set.header.cbThis = ReadU32(bytes);
    set.header.flAccel = ReadU32(bytes + 4);
    set.header.cGlyphsSupported = ReadU32(bytes + 8);
    set.header.cRanges = ReadU32(bytes + 12);

    // The count comes from the buffer itself: trust it only as far as the
    // buffer really reaches, both for the walk and for the allocation.
    const std::size_t count = std::min<std::size_t>(set.header.cRanges, (length - kHeaderSize) / kRangeSize);
    set.ranges.reserve(count);
    for (const std::uint8_t* at = bytes + kHeaderSize; set.ranges.size() < count; at += kRangeSize) {
        set.ranges.push_back({ReadU16(at), ReadU16(at + 2)});
    }
    return set;
}

}  // namespace mFontEnum
