#include "cli/format_drawn_with.h"

#include "cli/json_writer.h"

namespace {

std::wstring DescribeVia(DrawnVia via) {
    switch (via) {
    case DrawnVia::Face: return L"the face itself";
    case DrawnVia::Substitute: return L"through FontSubstitutes";
    case DrawnVia::Fallback: return L"through font fallback";
    case DrawnVia::Link: return L"through a font link";
    case DrawnVia::Unknown: return L"how is unknown";
    }
    return {};
}

std::wstring Describe(const DrawnFont& font) {
    if (!font.family) return L"unknown (Windows gave no answer)";
    return *font.family + L" (" + DescribeVia(font.via) + L")";
}

void WriteFont(JsonWriter& json, const DrawnFont& font) {
    json.Key(L"family");
    font.family ? json.String(*font.family) : json.Null();
    json.Key(L"via").String(NameVia(font.via));
}

}  // namespace

std::wstring FormatDrawnWithText(const DrawnWith& drawn) {
    std::wstring text = L"Bengali text on this machine now:\n";
    const std::wstring message = drawn.messageFace.empty() ? L"message font unknown" : drawn.messageFace;
    text += L"  Interface text (" + message + L"): " + Describe(drawn.InterfaceText()) + L"\n";
    for (std::size_t i = 1; i < drawn.interfaceFaces.size(); ++i)
        text += L"    in " + drawn.interfaceFaces[i].face + L": " + Describe(drawn.interfaceFaces[i].drawn) + L"\n";
    text += L"  Text that asks for Vrinda: " + Describe(drawn.vrinda) + L"\n";
    text += L"  DirectWrite text: " +
            (!drawn.directWriteAvailable ? std::wstring(L"not available: DirectWrite gave no system fallback (it has one from Windows 8.1 on)")
             : drawn.directWrite.family  ? Describe(drawn.directWrite)
                                         : std::wstring(L"no font (DirectWrite's fallback maps none to it)")) +
            L"\n";
    text += L"  A fix shows here only after Windows restarts: run glyphor-cli status again then.\n";
    return text;
}

void WriteDrawnWithJson(JsonWriter& json, const DrawnWith& drawn) {
    json.BeginObject();
    json.Key(L"interface").BeginObject();
    WriteFont(json, drawn.InterfaceText());
    json.Key(L"faces").BeginObject();
    for (const FaceDrawn& face : drawn.interfaceFaces) {
        json.Key(face.face).BeginObject();
        WriteFont(json, face.drawn);
        json.EndObject();
    }
    json.EndObject();
    json.EndObject();
    json.Key(L"vrinda").BeginObject();
    WriteFont(json, drawn.vrinda);
    json.EndObject();
    json.Key(L"directWrite").BeginObject();
    WriteFont(json, drawn.directWriteAvailable ? drawn.directWrite : DrawnFont{});
    // "Not available" and "maps no font" both leave the family null.
    json.Key(L"available").Bool(drawn.directWriteAvailable);
    json.EndObject();
    json.EndObject();
}
