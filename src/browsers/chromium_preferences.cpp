#include "browsers/chromium_preferences.h"

#include <rapidjson/document.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <array>
#include <string>

#include "common/utf8.h"

// The fix's record, a key of its own at the top of the file:
//
//   "glyphor": {"bengaliFonts": {
//       "standard":  {"set": "FACE", "was": "OLD"},
//       "serif":     {"set": "FACE", "was": null},
//       "sansserif": {"set": "FACE", "was": "OLD"},
//       "made": ["webkit", "webkit.webprefs", ...]}}
//
// `set` is what the fix wrote to webkit.webprefs.fonts.NAME.Beng, `was` what
// that key held before, null when it was not there. `made` names, by their
// dotted paths, the objects the fix created on the way (and "glyphor" when
// it created that too), so that an undo leaves the file as it found it.

namespace {

using rapidjson::Value;
using Document = rapidjson::Document;
using Allocator = Document::AllocatorType;

constexpr unsigned kParseFlags = rapidjson::kParseFullPrecisionFlag | rapidjson::kParseValidateEncodingFlag;

// The browser reads nothing nested deeper. The reader and the writer
// recurse as deep as the file nests, so a deeper file would end the
// program on its stack rather than be refused.
constexpr int kDeepest = 200;

struct FontKey {
    const char* name;
    std::optional<std::wstring> BengaliFonts::*field;
};
constexpr std::array<FontKey, 3> kFontKeys{{
    {"standard", &BengaliFonts::standard},
    {"serif", &BengaliFonts::serif},
    {"sansserif", &BengaliFonts::sansSerif},
}};
constexpr std::string_view kFontsPath = "webkit.webprefs.fonts";
constexpr std::string_view kRecordOwner = "glyphor";
constexpr const char* kRecordName = "bengaliFonts";
constexpr const char* kScript = "Beng";

std::string FamilyPath(const FontKey& key) { return std::string(kFontsPath) + "." + key.name; }

std::string_view TextOf(const Value& text) { return {text.GetString(), text.GetStringLength()}; }

Value TextValue(std::string_view text, Allocator& allocator) {
    return Value(text.data(), static_cast<rapidjson::SizeType>(text.size()), allocator);
}

// The document as the reader builds it, refusing what nests too deep
// before the reader goes a level deeper.
class DepthLimitedHandler {
public:
    explicit DepthLimitedHandler(Document& document) : document_(document) {}

    bool Null() { return document_.Null(); }
    bool Bool(bool b) { return document_.Bool(b); }
    bool Int(int i) { return document_.Int(i); }
    bool Uint(unsigned u) { return document_.Uint(u); }
    bool Int64(std::int64_t i) { return document_.Int64(i); }
    bool Uint64(std::uint64_t u) { return document_.Uint64(u); }
    bool Double(double d) { return document_.Double(d); }
    bool RawNumber(const char* s, rapidjson::SizeType n, bool copy) { return document_.RawNumber(s, n, copy); }
    bool String(const char* s, rapidjson::SizeType n, bool copy) { return document_.String(s, n, copy); }
    bool Key(const char* s, rapidjson::SizeType n, bool copy) { return document_.Key(s, n, copy); }
    bool StartObject() { return ++depth_ <= kDeepest && document_.StartObject(); }
    bool EndObject(rapidjson::SizeType members) {
        --depth_;
        return document_.EndObject(members);
    }
    bool StartArray() { return ++depth_ <= kDeepest && document_.StartArray(); }
    bool EndArray(rapidjson::SizeType elements) {
        --depth_;
        return document_.EndArray(elements);
    }

private:
    Document& document_;
    int depth_ = 0;
};

// True when the text is JSON whose root is an object. A NUL byte would end
// the reader's input early, with the rest of the file unread.
bool ParseObject(std::string_view text, Document& document) {
    if (text.find('\0') != std::string_view::npos) return false;
    auto parse = [text](Document& handler) {
        rapidjson::MemoryStream bytes(text.data(), text.size());
        rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> input(bytes);
        DepthLimitedHandler limited(handler);
        return !rapidjson::Reader().Parse<kParseFlags>(input, limited).IsError();
    };
    document.Populate(parse);
    return document.IsObject();
}

// The object's member of that name. The browser keeps one of two members
// that share a name and a rewrite would keep both, so a second one is as
// unreadable as a value of the wrong type.
struct Lookup {
    Value* value = nullptr;
    bool twice = false;
};
Lookup FindMember(Value& object, std::string_view name) {
    Lookup found;
    for (auto& member : object.GetObject()) {
        if (TextOf(member.name) != name) continue;
        if (found.value) found.twice = true;
        found.value = &member.value;
    }
    return found;
}

// The object at a dotted path, or nullptr; `readable` turns false when a
// step is there but is not an object, or is there twice.
Value* FindObject(Value& root, std::string_view path, bool& readable) {
    Value* at = &root;
    for (std::size_t start = 0; start < path.size();) {
        const std::size_t dot = std::min(path.find('.', start), path.size());
        const Lookup found = FindMember(*at, path.substr(start, dot - start));
        if (!found.value) return nullptr;
        if (found.twice || !found.value->IsObject()) {
            readable = false;
            return nullptr;
        }
        at = found.value;
        start = dot + 1;
    }
    return at;
}

// The object at a dotted path, creating each missing one and noting its
// path in `made` (once: a second fix may make again what the user removed).
Value& MakeObject(Value& root, std::string_view path, Allocator& allocator, std::vector<std::string>& made) {
    Value* at = &root;
    for (std::size_t start = 0; start < path.size();) {
        const std::size_t dot = std::min(path.find('.', start), path.size());
        const std::string_view step = path.substr(start, dot - start);
        Value* next = FindMember(*at, step).value;
        if (!next) {
            at->AddMember(TextValue(step, allocator), Value(rapidjson::kObjectType), allocator);
            next = &(at->MemberEnd() - 1)->value;
            const std::string_view madePath = path.substr(0, dot);
            if (std::find(made.begin(), made.end(), madePath) == made.end()) made.emplace_back(madePath);
        }
        at = next;
        start = dot + 1;
    }
    return *at;
}

// Sets the member, in its own place when it is there, else last.
void PutMember(Value& object, const char* name, Value value, Allocator& allocator) {
    if (Value* there = FindMember(object, name).value) {
        *there = std::move(value);
    } else {
        object.AddMember(Value(rapidjson::StringRef(name)), std::move(value), allocator);
    }
}

void EraseMember(Value& object, std::string_view name) {
    for (auto it = object.MemberBegin(); it != object.MemberEnd(); ++it) {
        if (TextOf(it->name) == name) {
            object.EraseMember(it);
            return;
        }
    }
}

struct RecordEntry {
    std::string set;
    std::optional<std::string> was;
};
struct Record {
    std::array<std::optional<RecordEntry>, 3> entries;
    std::vector<std::string> made;
};

// What Glyphor reads of a file it can rewrite.
struct Reading {
    std::array<std::optional<std::string>, 3> fonts;  // the .Beng of each of kFontKeys
    std::optional<Record> record;
};

bool IsMadePath(std::string_view path) {
    if (path == kRecordOwner || path == "webkit" || path == "webkit.webprefs" || path == kFontsPath) return true;
    return std::any_of(kFontKeys.begin(), kFontKeys.end(),
                       [path](const FontKey& key) { return path == FamilyPath(key); });
}

std::optional<RecordEntry> ReadRecordEntry(Value& entry, bool& readable) {
    if (!entry.IsObject() || entry.MemberCount() != 2) {
        readable = false;
        return std::nullopt;
    }
    const Lookup set = FindMember(entry, "set");
    const Lookup was = FindMember(entry, "was");
    if (!set.value || set.twice || !set.value->IsString() || !was.value || was.twice ||
        !(was.value->IsString() || was.value->IsNull())) {
        readable = false;
        return std::nullopt;
    }
    RecordEntry read{std::string(TextOf(*set.value)), std::nullopt};
    if (was.value->IsString()) read.was = std::string(TextOf(*was.value));
    return read;
}

std::optional<Record> ReadRecord(Value& root, bool& readable) {
    Value* owner = FindObject(root, kRecordOwner, readable);
    if (!owner) return std::nullopt;
    const Lookup found = FindMember(*owner, kRecordName);
    if (!found.value) return std::nullopt;
    if (found.twice || !found.value->IsObject()) {
        readable = false;
        return std::nullopt;
    }
    Record record;
    bool madeSeen = false;
    for (auto& member : found.value->GetObject()) {
        const std::string_view name = TextOf(member.name);
        const auto key = std::find_if(kFontKeys.begin(), kFontKeys.end(),
                                      [name](const FontKey& k) { return name == k.name; });
        if (key != kFontKeys.end()) {
            auto& entry = record.entries[static_cast<std::size_t>(key - kFontKeys.begin())];
            if (entry) readable = false;
            entry = ReadRecordEntry(member.value, readable);
        } else if (name == "made" && member.value.IsArray() && !madeSeen) {
            madeSeen = true;
            for (const Value& path : member.value.GetArray()) {
                if (!path.IsString() || !IsMadePath(TextOf(path))) readable = false;
                if (readable) record.made.emplace_back(TextOf(path));
            }
        } else {
            readable = false;
        }
        if (!readable) return std::nullopt;
    }
    return record;
}

std::optional<Reading> Read(Document& document) {
    bool readable = true;
    Reading reading;
    for (std::size_t i = 0; i < kFontKeys.size() && readable; ++i) {
        Value* family = FindObject(document, FamilyPath(kFontKeys[i]), readable);
        if (!family) continue;
        const Lookup script = FindMember(*family, kScript);
        if (!script.value) continue;
        if (script.twice || !script.value->IsString()) return std::nullopt;
        reading.fonts[i] = std::string(TextOf(*script.value));
    }
    if (readable) reading.record = ReadRecord(document, readable);
    if (!readable) return std::nullopt;
    return reading;
}

std::optional<Reading> Parse(std::string_view text, Document& document) {
    if (!ParseObject(text, document)) return std::nullopt;
    return Read(document);
}

Value RecordValue(const Record& record, Allocator& allocator) {
    Value value(rapidjson::kObjectType);
    for (std::size_t i = 0; i < kFontKeys.size(); ++i) {
        const auto& entry = record.entries[i];
        if (!entry) continue;
        Value fields(rapidjson::kObjectType);
        fields.AddMember("set", TextValue(entry->set, allocator), allocator);
        fields.AddMember("was", entry->was ? TextValue(*entry->was, allocator) : Value(), allocator);
        value.AddMember(Value(rapidjson::StringRef(kFontKeys[i].name)), fields, allocator);
    }
    Value made(rapidjson::kArrayType);
    for (const std::string& path : record.made) made.PushBack(TextValue(path, allocator), allocator);
    value.AddMember("made", made, allocator);
    return value;
}

// The document as compact JSON; Refused when a string in it is not UTF-8
// (a lone surrogate's escape reads as such), which the browser could not read back.
FontEdit WriteDocument(const Document& document) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, rapidjson::CrtAllocator,
                      rapidjson::kWriteValidateEncodingFlag>
        writer(buffer);
    if (!document.Accept(writer)) return {};
    return {FontEdit::Result::Changed, std::string(buffer.GetString(), buffer.GetSize())};
}

}  // namespace

std::optional<BengaliFonts> ReadChromiumBengaliFonts(std::string_view preferences) {
    Document document;
    const auto reading = Parse(preferences, document);
    if (!reading) return std::nullopt;
    BengaliFonts fonts;
    for (std::size_t i = 0; i < kFontKeys.size(); ++i) {
        if (!reading->fonts[i]) continue;
        auto face = DecodeUtf8(*reading->fonts[i]);
        if (!face) return std::nullopt;
        fonts.*kFontKeys[i].field = std::move(face);
    }
    return fonts;
}

FontEdit SetChromiumBengaliFont(std::string_view preferences, std::wstring_view face) {
    Document document;
    const auto reading = Parse(preferences, document);
    if (!reading) return {};
    const std::string wanted = EncodeUtf8(face);
    if (std::all_of(reading->fonts.begin(), reading->fonts.end(), [&](const auto& font) { return font == wanted; }))
        return {FontEdit::Result::Unchanged, {}};

    Allocator& allocator = document.GetAllocator();
    Record record = reading->record.value_or(Record{});
    for (std::size_t i = 0; i < kFontKeys.size(); ++i) {
        auto& entry = record.entries[i];
        const auto& font = reading->fonts[i];
        // A key still holding what an earlier fix wrote keeps that fix's `was`.
        const bool earlier = entry && font == entry->set;
        entry = RecordEntry{wanted, earlier ? entry->was : font};
        Value& family = MakeObject(document, FamilyPath(kFontKeys[i]), allocator, record.made);
        PutMember(family, kScript, TextValue(wanted, allocator), allocator);
    }
    Value& owner = MakeObject(document, kRecordOwner, allocator, record.made);
    PutMember(owner, kRecordName, RecordValue(record, allocator), allocator);
    return WriteDocument(document);
}

FontEdit UndoChromiumBengaliFont(std::string_view preferences) {
    Document document;
    const auto reading = Parse(preferences, document);
    if (!reading) return {};
    if (!reading->record) return {FontEdit::Result::Unchanged, {}};

    bool readable = true;
    const Record& record = *reading->record;
    for (std::size_t i = 0; i < kFontKeys.size(); ++i) {
        const auto& entry = record.entries[i];
        if (!entry || reading->fonts[i] != entry->set) continue;
        Value& family = *FindObject(document, FamilyPath(kFontKeys[i]), readable);
        if (entry->was) {
            *FindMember(family, kScript).value = TextValue(*entry->was, document.GetAllocator());
        } else {
            EraseMember(family, kScript);
        }
    }
    EraseMember(*FindObject(document, kRecordOwner, readable), kRecordName);

    // A child's path is longer than its parent's: children go first.
    std::vector<std::string> made = record.made;
    std::sort(made.begin(), made.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    for (const std::string& path : made) {
        const auto dot = path.rfind('.');
        const std::string_view parentPath =
            dot == std::string::npos ? std::string_view() : std::string_view(path).substr(0, dot);
        Value* parent = FindObject(document, parentPath, readable);
        Value* object = FindObject(document, path, readable);
        if (parent && object && object->ObjectEmpty()) EraseMember(*parent, std::string_view(path).substr(dot + 1));
    }
    return WriteDocument(document);
}

bool HoldsChromiumRecord(std::string_view preferences) {
    Document document;
    const auto reading = Parse(preferences, document);
    return reading && reading->record;
}

std::optional<std::vector<ListedProfile>> ListChromiumProfiles(std::string_view localState) {
    Document document;
    if (!ParseObject(localState, document)) return std::nullopt;
    bool readable = true;
    Value* cache = FindObject(document, "profile.info_cache", readable);
    if (!cache) return std::nullopt;
    std::vector<ListedProfile> profiles;
    for (auto& member : cache->GetObject()) {
        auto folder = DecodeUtf8(TextOf(member.name));
        if (!folder) return std::nullopt;
        ListedProfile profile{std::move(*folder), {}};
        if (member.value.IsObject()) {
            const Value* name = FindMember(member.value, "name").value;
            if (name && name->IsString()) profile.name = DecodeUtf8(TextOf(*name)).value_or(L"");
        }
        profiles.push_back(std::move(profile));
    }
    return profiles;
}
