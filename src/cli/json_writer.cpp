#include "cli/json_writer.h"

#include <cwchar>

std::wstring QuoteJson(std::wstring_view text) {
    std::wstring out = L"\"";
    for (const wchar_t ch : text) {
        switch (ch) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\t': out += L"\\t"; break;
        default:
            if (static_cast<unsigned>(ch) < 0x20) {
                wchar_t escaped[8];
                std::swprintf(escaped, 8, L"\\u%04x", static_cast<unsigned>(ch));
                out += escaped;
            } else {
                out.push_back(ch);
            }
        }
    }
    return out + L"\"";
}

void JsonWriter::NewLine() {
    text_ += L"\n";
    text_.append(empty_.size() * 2, L' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (empty_.empty()) return;
    if (!empty_.back()) text_ += L",";
    empty_.back() = false;
    NewLine();
}

JsonWriter& JsonWriter::Open(wchar_t bracket) {
    BeforeValue();
    text_.push_back(bracket);
    empty_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::Close(wchar_t bracket) {
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty) NewLine();
    text_.push_back(bracket);
    return *this;
}

JsonWriter& JsonWriter::BeginObject() { return Open(L'{'); }
JsonWriter& JsonWriter::EndObject() { return Close(L'}'); }
JsonWriter& JsonWriter::BeginArray() { return Open(L'['); }
JsonWriter& JsonWriter::EndArray() { return Close(L']'); }

JsonWriter& JsonWriter::Key(std::wstring_view name) {
    BeforeValue();
    text_ += QuoteJson(name) + L": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::wstring_view text) {
    BeforeValue();
    text_ += QuoteJson(text);
    return *this;
}

JsonWriter& JsonWriter::Number(std::int64_t number) {
    BeforeValue();
    text_ += std::to_wstring(number);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? L"true" : L"false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += L"null";
    return *this;
}
