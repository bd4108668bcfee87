#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Wide text (UTF-16 on Windows, UTF-32 elsewhere) to and from UTF-8, as
// files and pipes hold text.

// The code point that starts at `at` of a wide text, moving `at` past it.
// An unpaired surrogate, or a unit beyond U+10FFFF, gives U+FFFD.
char32_t ReadCodePoint(std::wstring_view text, std::size_t& at);

// UTF-8 of a wide text. An unpaired surrogate becomes U+FFFD rather than
// bytes no reader accepts.
std::string EncodeUtf8(std::wstring_view text);

// The wide text the bytes spell; nothing when they are not UTF-8: an
// overlong form, a surrogate, a code point past U+10FFFF, a stray or a
// missing continuation byte.
std::optional<std::wstring> DecodeUtf8(std::string_view bytes);
