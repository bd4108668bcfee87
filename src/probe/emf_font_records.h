#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mProbe {

// The face names of the fonts an enhanced metafile creates, in the order of
// its EMR_EXTCREATEFONTINDIRECTW records. The bytes may come from anywhere:
// nothing unless they begin with an EMF header, and the walk stops at
// EMR_EOF or at the first record that is shorter than its own header, not
// a whole number of 32-bit words, or runs past the end. A face name ends at
// its first NUL or with its 32-character field.
std::vector<std::wstring> ReadCreatedFontFaces(std::span<const std::uint8_t> bytes);

}  // namespace mProbe
