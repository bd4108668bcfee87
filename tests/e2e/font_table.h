#pragma once

#include <string>
#include <vector>

namespace driver {

// What fontTools says about a font file: the family Windows lists it under,
// and whether its character map has the Bengali runs (scripts/bengali-families).
struct FontFacts {
    std::wstring file;  // Windows path
    std::wstring family;
    bool bengali = false;
};

// A table that the build wrote into test-fonts/ of the build tree; empty when
// it cannot be read.
std::vector<FontFacts> ReadFontTable(const std::wstring& name);

}  // namespace driver
