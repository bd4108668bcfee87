#pragma once

#include <string>
#include <string_view>

// The text without its leading and trailing blanks (space characters only;
// tabs and other white space are kept, as the user typed them).
std::wstring TrimBlanks(std::wstring_view text);

// A character below U+0020: a line break, a tab, NUL. No font's name holds
// one, and a text that does would break the line it is written on.
bool HoldsControlCharacter(std::wstring_view text);

// A drive's root ("C:\") or a share ("\\server"): a path that needs no
// folder before it.
bool IsAbsolutePath(std::wstring_view path);

// A UTF-16 surrogate without its partner: no encoder passes one through,
// so text holding one comes back as another.
bool HoldsUnpairedSurrogate(std::wstring_view text);

// The text in curly double quotes, as the program's sentences quote a name.
std::wstring Quoted(std::wstring_view text);

// The last part of a path: what follows its last backslash or slash.
std::wstring_view BareFileName(std::wstring_view path);

// The texts are the same but for case, as Windows compares face, file and
// value names: ordinal, one UTF-16 unit at a time through an uppercase
// table, so that "ÉKA" is "éka" but "ß" is not "SS".
bool EqualNoCase(std::wstring_view a, std::wstring_view b);

// The same face name, but for case and the blanks a family name may end in.
bool SameFaceName(std::wstring_view a, std::wstring_view b);
