#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mProbe {

// The face name of the font selected at each text record of an enhanced
// metafile (EMR_EXTTEXTOUTW, EMR_EXTTEXTOUTA and EMR_SMALLTEXTOUT that draw
// at least one character), in order: the font created by
// EMR_EXTCREATEFONTINDIRECTW under the handle EMR_SELECTOBJECT last chose.
// Text drawn in a stock font, in a font whose face is empty, or before any
// font was chosen counts for nothing.
// The bytes may come from anywhere: nothing unless they begin with an EMF
// header, and the walk stops at EMR_EOF or at the first record that is
// shorter than its own header, not a whole number of 32-bit words, or runs
// past the end. A face name ends at its first NUL or with its 32-character
// field.
std::vector<std::wstring> ReadDrawnFontFaces(std::span<const std::uint8_t> bytes);

}  // namespace mProbe
