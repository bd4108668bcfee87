#pragma once

#include <span>

#include "fonts/glyph_set.h"

namespace mFontEnum {

// True when the coverage holds, in any order and among any other runs, the
// three runs that a font covering the danda marks and the Bengali block
// (without U+0980 and without the Devanagari digits) reports exactly:
// (U+0964, 2), (U+0981, 3) and (U+0985, 8). A longer or shifted run that
// covers the same code points does not count: this is a test of the run
// shape, not of coverage.
bool BengaliFontFilter(std::span<const WcRange> ranges);

}  // namespace mFontEnum
