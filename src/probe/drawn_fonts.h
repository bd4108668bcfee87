#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/windows_version.h"

class FontCatalog;
class FontDrawing;
class Registry;

// The Bengali text the probe draws: "Bengali script".
inline constexpr std::wstring_view kBengaliSample = L"\u09AC\u09BE\u0982\u09B2\u09BE \u09B2\u09BF\u09AA\u09BF";

// How the text came to the family that draws it: the last of Windows'
// steps that led there.
enum class DrawnVia {
    Face,        // the face asked for draws it itself
    Substitute,  // FontSubstitutes maps the face that was asked for to it
    Fallback,    // Uniscribe's or DirectWrite's fallback chose it
    Link,        // FontLink\SystemLink names it for the face asked for
    Unknown,
};

struct DrawnFont {
    std::optional<std::wstring> family;  // nothing when no answer could be had
    DrawnVia via = DrawnVia::Unknown;

    bool operator==(const DrawnFont&) const = default;
};

struct FaceDrawn {
    std::wstring face;
    DrawnFont drawn;
};

// Which family draws Bengali on this machine now, on each path text takes.
struct DrawnWith {
    std::wstring messageFace;
    std::vector<FaceDrawn> interfaceFaces;  // the message font's first
    DrawnFont vrinda;                       // text that asks for Vrinda by name
    bool directWriteAvailable = false;      // Windows 8.1 and later, with DirectWrite's fallback
    DrawnFont directWrite;

    // What text in the message font gets.
    DrawnFont InterfaceText() const { return interfaceFaces.empty() ? DrawnFont{} : interfaceFaces.front().drawn; }
};

// Draws the sample on each path and tells which family each draws it with,
// and how, from what Windows and its registry report.
DrawnWith ProbeDrawnFonts(FontDrawing& drawing, Registry& registry, FontCatalog& fonts, const WindowsVersion& version);

// What draws Bengali interface text now where Windows falls back past
// Vrinda (Windows 8 and later), for the fix's word on what it reaches there;
// empty on older Windows or when there is no answer.
std::wstring MeasureInterfaceFamily(FontDrawing& drawing, Registry& registry, FontCatalog& fonts,
                                    const WindowsVersion& version);

// A path a fix reaches that did not draw Bengali with the face asked for.
struct PathMissing {
    enum class Path { InterfaceText, VrindaText } path;
    std::optional<std::wstring> shown;  // the family it drew with; nothing when no answer could be had

    bool operator==(const PathMissing&) const = default;
};

// The paths a fix reaches on this Windows that do not draw Bengali with
// `face`; empty when all of them do. Up to Windows 7 Uniscribe falls back
// to Vrinda, so interface text counts with text that asks for Vrinda; from
// Windows 8 on, only the latter.
std::vector<PathMissing> FindPathsMissing(const DrawnWith& drawn, std::wstring_view face, const WindowsVersion& version);

// "face", "substitute", "fallback", "link" or "unknown".
std::wstring_view NameVia(DrawnVia via);
