#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// JSON text written value by value, indented by two blanks, object keys in
// the order written. The caller pairs each Begin with its End and gives each
// object member a Key first.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::wstring_view name);
    JsonWriter& String(std::wstring_view text);
    JsonWriter& Number(std::int64_t number);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // The document, ending in a line end.
    std::wstring Text() const { return text_ + L"\n"; }

private:
    void BeforeValue();
    JsonWriter& Open(wchar_t bracket);
    JsonWriter& Close(wchar_t bracket);
    void NewLine();

    std::wstring text_;
    std::vector<bool> empty_;  // for each open container: nothing written in it yet
    bool afterKey_ = false;
};

// The text as a JSON string literal, quotes included. Control characters
// are escaped; everything else, Bengali letters too, is kept as it is.
std::wstring QuoteJson(std::wstring_view text);
