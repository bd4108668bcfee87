#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/glyph_set.h"

// The installed font families, asked one by name.
class FontCatalog {
public:
    virtual ~FontCatalog() = default;
    // The family's Unicode coverage; nothing when no family of that name is
    // installed. An installed family whose coverage cannot be read has none.
    virtual std::optional<std::vector<mFontEnum::WcRange>> Coverage(std::wstring_view family) = 0;
};

namespace mFontEnum {

// The code points that lie in none of the runs, in their order.
std::u16string MissingFrom(std::span<const WcRange> ranges, std::span<const char16_t> codePoints);
// True when every code point lies in one of the runs.
bool CoversAll(std::span<const WcRange> ranges, std::span<const char16_t> codePoints);

// অ, ক and হ: the first vowel, the first consonant and the last one. A font
// with all three writes Bengali; this is a test of coverage, not of the
// run shape that the font list looks for.
inline constexpr char16_t kBengaliLetters[] = {u'\u0985', u'\u0995', u'\u09B9'};

}  // namespace mFontEnum

// True when the family is installed and has all of kBengaliLetters.
bool WritesBengali(FontCatalog& fonts, std::wstring_view family);
