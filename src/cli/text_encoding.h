#pragma once

#include <string>
#include <string_view>

#include "common/utf8.h"

// How the console program's text becomes bytes in a pipe, a file or a .reg:
// UTF-8 (EncodeUtf8) or, for a .reg, UTF-16.

// The byte-order mark FF FE, then the text in UTF-16 little-endian: the
// form regedit writes its .reg files in.
std::string EncodeUtf16LeWithBom(std::wstring_view text);

// Every line end as CR LF, whether it came as LF or as CR LF.
std::wstring EndLinesWithCrLf(std::wstring_view text);
