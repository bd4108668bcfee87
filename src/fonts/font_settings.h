#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Registry;

// Where Windows keeps its font settings: what the fix changes and what the
// probe reads, each named once.

// A face name's substitute: value FACE = the face drawn in its place.
inline constexpr std::wstring_view kFontSubstitutesPath =
    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
// Where Windows registers its fonts: value "FACE (TrueType)" = file name.
inline constexpr std::wstring_view kFontsPath = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// Font linking: for each base face, the fonts GDI draws a character from when
// the base face lacks it, in order. Under Wine a link reaches Bengali text;
// on Windows, Bengali is a complex script and goes to font fallback instead,
// so the link is written only when asked for.
inline constexpr std::wstring_view kSystemLinkPath =
    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";
// The faces Windows draws its interface with.
inline constexpr std::wstring_view kInterfaceFaces[] = {L"Segoe UI", L"Tahoma", L"Microsoft Sans Serif",
                                                        L"MS Shell Dlg 2"};

// The face of a link entry "FILE,Face" or "FILE,Face,scale"; empty when the
// entry names only a file.
std::wstring_view FaceOfLinkEntry(std::wstring_view entry);

// One base face's link entries as the key holds them, each "FILE,Face";
// no list when it has no value for the face, and none marked unreadable
// when the value could not be read.
struct LinkEntries {
    std::optional<std::vector<std::wstring>> entries;
    bool unreadable = false;
};
LinkEntries ReadLinkEntries(Registry& registry, std::wstring_view face);
