#pragma once

#include <string>
#include <string_view>

// How the console program's text becomes bytes in a pipe, a file or a .reg.

// UTF-8 of a wide text (UTF-16 on Windows, UTF-32 elsewhere). An unpaired
// surrogate becomes U+FFFD rather than bytes no reader accepts.
std::string EncodeUtf8(std::wstring_view text);

// The byte-order mark FF FE, then the text in UTF-16 little-endian: the
// form regedit writes its .reg files in.
std::string EncodeUtf16LeWithBom(std::wstring_view text);

// Every line end as CR LF, whether it came as LF or as CR LF.
std::wstring EndLinesWithCrLf(std::wstring_view text);
