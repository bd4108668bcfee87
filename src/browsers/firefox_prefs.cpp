#include "browsers/firefox_prefs.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/text.h"
#include "common/utf8.h"

// The fix's record, prefs of its own beside the fonts, for each font pref:
//
//   user_pref("glyphor.bengaliFonts.set.font.name.serif.x-beng", "FACE");
//   user_pref("glyphor.bengaliFonts.was.font.name.serif.x-beng", "OLD");
//
// `set` is what the fix wrote, `was` what the pref held before; no `was`
// when the profile had no such pref, so that an undo removes it again.

namespace {

struct FontPref {
    std::string_view name;
    std::optional<std::wstring> BengaliFonts::*field;
};
constexpr std::array<FontPref, 2> kFontPrefs{{
    {"font.name.serif.x-beng", &BengaliFonts::serif},
    {"font.name.sans-serif.x-beng", &BengaliFonts::sansSerif},
}};
constexpr std::string_view kRecordPrefix = "glyphor.bengaliFonts.";
constexpr std::string_view kSetPrefix = "glyphor.bengaliFonts.set.";
constexpr std::string_view kWasPrefix = "glyphor.bengaliFonts.was.";
constexpr std::string_view kLineStart = "user_pref(";
constexpr std::string_view kLineFinish = ");";

// Firefox on Windows ends its lines so; a file that ends none says nothing else.
constexpr std::string_view kDefaultLineEnd = "\r\n";

struct Line {
    std::string text;
    std::string end;  // "\n", "\r\n", or empty for a last line without one
    bool gone = false;
};

// One of the prefs Glyphor reads and writes, where the file holds it.
struct Slot {
    std::optional<std::size_t> line;
    std::optional<std::string> value;  // UTF-8
};

struct Prefs {
    std::vector<Line> lines;
    std::string lineEnd;
    bool endsWithLineEnd = true;
    std::array<Slot, 2> fonts;  // in the order of kFontPrefs
    std::array<Slot, 2> set;
    std::array<Slot, 2> was;
};

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// The number of `digits` hex digits at `at`, moving past them; nothing when they are not.
std::optional<char32_t> ReadHex(std::string_view text, std::size_t& at, std::size_t digits) {
    if (text.size() - at < digits) return std::nullopt;
    char32_t value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int digit = HexDigit(text[at + i]);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<char32_t>(digit);
    }
    at += digits;
    return value;
}

// A "\uD83D\uDE00" pair is one code point; a surrogate alone is none.
std::optional<char32_t> ReadUnicodeEscape(std::string_view text, std::size_t& at) {
    const auto unit = ReadHex(text, at, 4);
    if (!unit || (*unit >= 0xDC00 && *unit <= 0xDFFF)) return std::nullopt;
    if (*unit < 0xD800 || *unit > 0xDBFF) return unit;
    if (text.substr(at, 2) != "\\u") return std::nullopt;
    at += 2;
    const auto low = ReadHex(text, at, 4);
    if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
    return 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00);
}

void AppendCodePoint(std::string& out, char32_t code) {
    // wchar_t holds any code point on Linux but only the BMP on Windows.
    if constexpr (sizeof(wchar_t) == 2) {
        if (code >= 0x10000) {
            const wchar_t pair[] = {static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10)),
                                    static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF))};
            out += EncodeUtf8(std::wstring_view(pair, 2));
            return;
        }
    }
    const wchar_t unit = static_cast<wchar_t>(code);
    out += EncodeUtf8(std::wstring_view(&unit, 1));
}

// The double-quoted JS string at `at`, moving past its closing quote: its
// text as UTF-8 bytes. Nothing for an escape Firefox does not write.
std::optional<std::string> ReadLiteral(std::string_view text, std::size_t& at) {
    if (at >= text.size() || text[at] != '"') return std::nullopt;
    std::string out;
    for (++at; at < text.size();) {
        const char ch = text[at++];
        if (ch == '"') return out;
        if (ch != '\\') {
            out.push_back(ch);
            continue;
        }
        if (at == text.size()) return std::nullopt;
        const char escape = text[at++];
        switch (escape) {
        case '\\': case '"': case '\'': out.push_back(escape); break;
        case 'n': out.push_back('\n'); break;
        case 'r': out.push_back('\r'); break;
        case 't': out.push_back('\t'); break;
        case 'x': case 'u': {
            const auto code = escape == 'x' ? ReadHex(text, at, 2) : ReadUnicodeEscape(text, at);
            if (!code) return std::nullopt;
            AppendCodePoint(out, *code);
            break;
        }
        default: return std::nullopt;
        }
    }
    return std::nullopt;
}

// The pref a line sets, in the form Firefox writes: user_pref("NAME", VALUE);
// with `value` when VALUE is a string. Nothing for a line in any other form.
struct PrefLine {
    std::string name;
    std::optional<std::string> value;
};
std::optional<PrefLine> ReadPrefLine(std::string_view text) {
    if (!text.starts_with(kLineStart) || !text.ends_with(kLineFinish)) return std::nullopt;
    std::size_t at = kLineStart.size();
    auto name = ReadLiteral(text, at);
    if (!name || text.substr(at, 2) != ", ") return std::nullopt;
    at += 2;
    PrefLine pref{std::move(*name), std::nullopt};
    if (at < text.size() && text[at] == '"') {
        pref.value = ReadLiteral(text, at);
        if (!pref.value || at + kLineFinish.size() != text.size()) return std::nullopt;
    }
    return pref;
}

std::string QuoteLiteral(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '"') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string FormatPrefLine(std::string_view name, std::string_view value) {
    return std::string(kLineStart) + QuoteLiteral(name) + ", " + QuoteLiteral(value) + std::string(kLineFinish);
}

bool MentionsOwnPref(std::string_view text) {
    return text.find(kRecordPrefix) != std::string_view::npos ||
           std::any_of(kFontPrefs.begin(), kFontPrefs.end(),
                       [text](const FontPref& pref) { return text.find(pref.name) != std::string_view::npos; });
}

// The slot a pref of Glyphor's name fills; nullptr for a name it does not know.
Slot* SlotOf(Prefs& prefs, std::string_view name) {
    for (std::size_t i = 0; i < kFontPrefs.size(); ++i) {
        const std::string_view font = kFontPrefs[i].name;
        if (name == font) return &prefs.fonts[i];
        if (name.starts_with(kSetPrefix) && name.substr(kSetPrefix.size()) == font) return &prefs.set[i];
        if (name.starts_with(kWasPrefix) && name.substr(kWasPrefix.size()) == font) return &prefs.was[i];
    }
    return nullptr;
}

bool IsOwnPref(std::string_view name) {
    return name.starts_with(kRecordPrefix) || std::any_of(kFontPrefs.begin(), kFontPrefs.end(),
                                                          [name](const FontPref& pref) { return name == pref.name; });
}

std::optional<Prefs> ReadPrefs(std::string_view text) {
    Prefs prefs;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = text.find('\n', start);
        Line line;
        if (newline == std::string_view::npos) {
            line.text = text.substr(start);
            start = text.size();
            prefs.endsWithLineEnd = false;
        } else {
            const bool crlf = newline > start && text[newline - 1] == '\r';
            line.text = text.substr(start, newline - start - (crlf ? 1 : 0));
            line.end = crlf ? "\r\n" : "\n";
            start = newline + 1;
            if (prefs.lineEnd.empty()) prefs.lineEnd = line.end;
        }
        prefs.lines.push_back(std::move(line));
    }
    if (prefs.lineEnd.empty()) prefs.lineEnd = kDefaultLineEnd;

    for (std::size_t i = 0; i < prefs.lines.size(); ++i) {
        const std::string& line = prefs.lines[i].text;
        if (!MentionsOwnPref(line)) continue;
        const auto pref = ReadPrefLine(line);
        if (!pref) return std::nullopt;
        if (!IsOwnPref(pref->name)) continue;
        Slot* slot = SlotOf(prefs, pref->name);
        // Firefox would take the last of two; which one the user meant is not known.
        if (!slot || slot->line || !pref->value || !DecodeUtf8(*pref->value)) return std::nullopt;
        *slot = {i, pref->value};
    }
    for (std::size_t i = 0; i < kFontPrefs.size(); ++i)
        if (prefs.was[i].line && !prefs.set[i].line) return std::nullopt;
    return prefs;
}

bool HoldsRecord(const Prefs& prefs) {
    return std::any_of(prefs.set.begin(), prefs.set.end(), [](const Slot& slot) { return slot.line.has_value(); });
}

// The pref in its own line's place when the file has one, else on a new last line.
void PutPref(Prefs& prefs, Slot& slot, std::string_view name, std::string_view value) {
    std::string text = FormatPrefLine(name, value);
    if (slot.line) {
        prefs.lines[*slot.line].text = std::move(text);
    } else {
        slot.line = prefs.lines.size();
        prefs.lines.push_back({std::move(text), prefs.lineEnd});
    }
    slot.value = std::string(value);
}

void RemovePref(Prefs& prefs, Slot& slot) {
    if (slot.line) prefs.lines[*slot.line].gone = true;
    slot = {};
}

// The lines, the last one ended as the file's own last line was: a line
// added after a last line without an end takes that place, and one
// removed from the end gives it to the line before.
std::string WritePrefs(const Prefs& prefs) {
    std::vector<const Line*> kept;
    for (const Line& line : prefs.lines)
        if (!line.gone) kept.push_back(&line);
    std::string out;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        out += kept[i]->text;
        if (i + 1 == kept.size() && !prefs.endsWithLineEnd) break;
        out += kept[i]->end.empty() ? prefs.lineEnd : kept[i]->end;
    }
    return out;
}

std::string RecordName(std::string_view prefix, const FontPref& pref) {
    return std::string(prefix) + std::string(pref.name);
}

}  // namespace

std::optional<BengaliFonts> ReadFirefoxBengaliFonts(std::string_view text) {
    const auto prefs = ReadPrefs(text);
    if (!prefs) return std::nullopt;
    BengaliFonts fonts;
    for (std::size_t i = 0; i < kFontPrefs.size(); ++i)
        if (prefs->fonts[i].value) fonts.*kFontPrefs[i].field = DecodeUtf8(*prefs->fonts[i].value);
    return fonts;
}

FontEdit SetFirefoxBengaliFont(std::string_view text, std::wstring_view face) {
    auto prefs = ReadPrefs(text);
    if (!prefs) return {};
    const std::string wanted = EncodeUtf8(face);
    if (std::all_of(prefs->fonts.begin(), prefs->fonts.end(), [&](const Slot& slot) { return slot.value == wanted; }))
        return {FontEdit::Result::Unchanged, {}};

    for (std::size_t i = 0; i < kFontPrefs.size(); ++i) {
        Slot& font = prefs->fonts[i];
        // A pref still holding what an earlier fix wrote keeps that fix's `was`.
        const bool earlier = prefs->set[i].line && font.value == prefs->set[i].value;
        const std::optional<std::string> was = earlier ? prefs->was[i].value : font.value;
        PutPref(*prefs, font, kFontPrefs[i].name, wanted);
        PutPref(*prefs, prefs->set[i], RecordName(kSetPrefix, kFontPrefs[i]), wanted);
        if (was) {
            PutPref(*prefs, prefs->was[i], RecordName(kWasPrefix, kFontPrefs[i]), *was);
        } else {
            RemovePref(*prefs, prefs->was[i]);
        }
    }
    return {FontEdit::Result::Changed, WritePrefs(*prefs)};
}

FontEdit UndoFirefoxBengaliFont(std::string_view text) {
    auto prefs = ReadPrefs(text);
    if (!prefs) return {};
    if (!HoldsRecord(*prefs)) return {FontEdit::Result::Unchanged, {}};

    for (std::size_t i = 0; i < kFontPrefs.size(); ++i) {
        Slot& font = prefs->fonts[i];
        if (prefs->set[i].line && font.value == prefs->set[i].value) {
            if (const auto was = prefs->was[i].value) {
                PutPref(*prefs, font, kFontPrefs[i].name, *was);
            } else {
                RemovePref(*prefs, font);
            }
        }
        RemovePref(*prefs, prefs->set[i]);
        RemovePref(*prefs, prefs->was[i]);
    }
    return {FontEdit::Result::Changed, WritePrefs(*prefs)};
}

bool HoldsFirefoxRecord(std::string_view text) {
    const auto prefs = ReadPrefs(text);
    return prefs && HoldsRecord(*prefs);
}

namespace {

std::string_view TrimIniBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool IsProfileSection(std::string_view name) {
    constexpr std::string_view kProfile = "Profile";
    return name.size() > kProfile.size() && name.starts_with(kProfile) &&
           std::all_of(name.begin() + kProfile.size(), name.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

struct IniProfile {
    std::string name;
    std::string path;
    bool relative = false;
};

// The profile's folder in full, without a trailing backslash; nothing when
// the text is not UTF-8 or names no folder Glyphor can place.
std::optional<ListedProfile> PlaceProfile(const IniProfile& profile, std::wstring_view firefoxFolder) {
    auto path = DecodeUtf8(profile.path);
    auto name = DecodeUtf8(profile.name);
    if (!path || !name) return std::nullopt;
    std::replace(path->begin(), path->end(), L'/', L'\\');
    while (!path->empty() && path->back() == L'\\') path->pop_back();
    if (path->empty()) return std::nullopt;
    if (profile.relative) {
        path->insert(0, firefoxFolder);
    } else if (!IsAbsolutePath(*path)) {
        return std::nullopt;
    }
    return ListedProfile{std::move(*path), std::move(*name)};
}

}  // namespace

std::vector<ListedProfile> ListFirefoxProfiles(std::string_view profilesIni, std::wstring_view firefoxFolder) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (profilesIni.starts_with(kBom)) profilesIni.remove_prefix(kBom.size());

    std::vector<ListedProfile> profiles;
    std::optional<IniProfile> section;  // while in a [ProfileN] section
    const auto finishSection = [&] {
        if (!section) return;
        if (auto placed = PlaceProfile(*section, firefoxFolder)) profiles.push_back(std::move(*placed));
        section.reset();
    };
    for (std::size_t start = 0; start <= profilesIni.size();) {
        const std::size_t newline = std::min(profilesIni.find('\n', start), profilesIni.size());
        const std::string_view line = TrimIniBlanks(profilesIni.substr(start, newline - start));
        start = newline + 1;
        if (line.starts_with('[') && line.ends_with(']')) {
            finishSection();
            if (IsProfileSection(line.substr(1, line.size() - 2))) section.emplace();
            continue;
        }
        const auto equals = line.find('=');
        if (!section || equals == std::string_view::npos) continue;
        const std::string_view key = TrimIniBlanks(line.substr(0, equals));
        const std::string_view value = TrimIniBlanks(line.substr(equals + 1));
        if (key == "Name") section->name = value;
        if (key == "Path") section->path = value;
        if (key == "IsRelative") section->relative = value == "1";
    }
    finishSection();
    return profiles;
}
