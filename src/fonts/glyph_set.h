#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A font's Unicode coverage in the byte layout of the platform's GLYPHSET:
// a 16-byte header, then cRanges four-byte WCRANGE entries, little-endian.
namespace mFontEnum {

struct GlyphSetHeader {
    std::uint32_t cbThis = 0;
    std::uint32_t flAccel = 0;
    std::uint32_t cGlyphsSupported = 0;
    std::uint32_t cRanges = 0;

    bool operator==(const GlyphSetHeader&) const = default;
};

// One run of consecutive supported code points.
struct WcRange {
    std::uint16_t wcLow = 0;
    std::uint16_t cGlyphs = 0;

    bool operator==(const WcRange&) const = default;
};

struct GlyphSet {
    GlyphSetHeader header;
    std::vector<WcRange> ranges;
};

// Copies the header and the range entries. A buffer shorter than the header
// gives a zeroed header and no ranges; a buffer shorter than cRanges claims
// gives the whole entries it holds, so the header's cRanges may exceed the
// number of ranges returned.
GlyphSet ParseGlyphSet(const std::uint8_t* bytes, std::size_t length);

}  // namespace mFontEnum
