#include "cli/format_status.h"

#include "cli/format_browser_fonts.h"
#include "cli/format_drawn_with.h"
#include "cli/json_writer.h"
#include "common/identity.h"

namespace {

std::wstring NameState(DefaultFontState state) {
    switch (state) {
    case DefaultFontState::Vrinda: return L"vrinda";
    case DefaultFontState::Substituted: return L"substituted";
    case DefaultFontState::Inactive: return L"inactive";
    case DefaultFontState::Unknown: return L"unknown";
    }
    return {};
}

// Nothing when the substitute cannot be read, and so which face it names is not known.
std::optional<std::wstring> FindDefaultFace(const SystemStatus& status) {
    switch (ClassifyDefaultFont(status)) {
    case DefaultFontState::Substituted: return *status.substitute;
    case DefaultFontState::Unknown: return std::nullopt;
    default: return L"Vrinda";
    }
}

std::wstring DescribeRegistration(const VrindaFace& face) {
    if (face.unreadable) return L"registration cannot be read";
    if (!face.inFontsKey) return L"not registered";
    if (face.registered.empty()) return L"out of service (registration empty)";
    return L"registered as " + face.registered;
}

std::wstring DescribeFile(const VrindaFace& face) {
    if (face.fontFile.empty()) return L"file unknown";
    return L"file " + face.fontFile + (face.fileInFolder ? L": present" : L": missing") +
           (face.fileProtected ? L", protected by Windows" : L"");
}

std::wstring DescribeBackup(const VrindaFace& face) {
    if (face.backup.empty()) return L"no backup: its file is outside the Fonts folder";
    return L"backup " + face.backup + (face.backupIsFile ? L": present" : L": none");
}

std::wstring DescribeLinks(const FaceLinks& links) {
    if (links.unreadable) return L"cannot be read";
    if (!links.present) return L"no links";
    if (links.entries.empty()) return L"empty";
    return std::to_wstring(links.entries.size()) + (links.entries.size() == 1 ? L" link" : L" links") +
           L", first " + links.entries.front();
}

}  // namespace

std::wstring ExplainDefaultFont(const SystemStatus& status) {
    std::wstring text;
    switch (ClassifyDefaultFont(status)) {
    case DefaultFontState::Vrinda:
        text = L"Vrinda is the default Bengali font.";
        break;
    case DefaultFontState::Substituted:
        text = *status.substitute + L" draws the text that asks for Vrinda once Windows has restarted: every "
                                    L"Vrinda face is out of service.";
        break;
    case DefaultFontState::Inactive:
        text = *status.substitute + L" is set in place of Vrinda, but a Vrinda face is still registered, so "
                                    L"Windows keeps drawing with Vrinda.";
        break;
    case DefaultFontState::Unknown:
        if (status.substituteUnreadable)
            return L"FontSubstitutes\\Vrinda cannot be read, so which face the text that asks for Vrinda gets is not "
                   L"known.";
        return *status.substitute + L" is set in place of Vrinda, but a Vrinda face's registration cannot be read, "
                                    L"so whether it still keeps Windows drawing with Vrinda is not known.";
    }
    if (ClassifyDefaultFont(status) != DefaultFontState::Vrinda && status.version.FallsBackPastVrinda())
        text += L" On this Windows only programs that ask for Vrinda by name use it; the interface draws Bengali "
                L"with the system's own fallback.";
    return text;
}

std::wstring FormatStatusText(const SystemStatus& status) {
    std::wstring text = L"Default Bengali font: " +
                        FindDefaultFace(status).value_or(status.substituteUnreadable ? L"cannot be read" : L"not known") +
                        L"\n";
    text += status.substitute           ? L"  FontSubstitutes\\Vrinda = \"" + *status.substitute + L"\"\n"
            : status.substituteUnreadable ? L"  FontSubstitutes\\Vrinda cannot be read\n"
                                          : L"  FontSubstitutes\\Vrinda is not set\n";
    text += L"  " + ExplainDefaultFont(status) + L"\n";
    text += L"Vrinda faces:\n";
    for (const VrindaFace& face : status.faces) {
        text += L"  " + face.valueName + L": " + DescribeRegistration(face) + L"\n";
        text += L"    " + DescribeFile(face) + L"\n";
        text += L"    " + DescribeBackup(face) + L"\n";
    }
    text += L"Interface-font links (FontLink\\SystemLink):\n";
    for (const FaceLinks& links : status.links) text += L"  " + links.face + L": " + DescribeLinks(links) + L"\n";
    const WindowsVersion& v = status.version;
    text += L"Windows: " + std::to_wstring(v.major) + L"." + std::to_wstring(v.minor) + L" (build " +
            std::to_wstring(v.build) + L")\n";
    text += L"Administrator: " + std::wstring(!status.administrator ? L"no"
                                              : status.elevated     ? L"yes, elevated"
                                                                    : L"yes, not elevated") +
            L"\n";
    text += FormatDrawnWithText(status.drawn);
    text += FormatBrowserFontsText(status.browsers);
    return text;
}

std::wstring FormatStatusJson(const SystemStatus& status) {
    JsonWriter json;
    json.BeginObject();
    json.Key(L"program").String(L"glyphor-cli");
    json.Key(L"version").String(GLYPHOR_VERSION);
    json.Key(L"default").BeginObject();
    const std::optional<std::wstring> defaultFace = FindDefaultFace(status);
    json.Key(L"face");
    defaultFace ? json.String(*defaultFace) : json.Null();
    json.Key(L"substitute");
    status.substitute ? json.String(*status.substitute) : json.Null();
    json.Key(L"substituteReadable").Bool(!status.substituteUnreadable);
    json.Key(L"state").String(NameState(ClassifyDefaultFont(status)));
    json.Key(L"meaning").String(ExplainDefaultFont(status));
    json.EndObject();

    json.Key(L"vrindaFaces").BeginArray();
    for (const VrindaFace& face : status.faces) {
        json.BeginObject();
        json.Key(L"valueName").String(face.valueName);
        json.Key(L"inFontsKey").Bool(face.inFontsKey);
        json.Key(L"registered").String(face.registered);
        json.Key(L"registrationReadable").Bool(!face.unreadable);
        json.Key(L"inService");
        face.unreadable ? json.Null() : json.Bool(IsInService(face));
        json.Key(L"file");
        face.fontFile.empty() ? json.Null() : json.String(face.fontFile);
        json.Key(L"fileInFolder").Bool(face.fileInFolder);
        json.Key(L"fileProtected").Bool(face.fileProtected);
        json.Key(L"backup");
        face.backup.empty() ? json.Null() : json.String(face.backup);
        json.Key(L"backupPresent").Bool(face.backupIsFile);
        json.EndObject();
    }
    json.EndArray();

    json.Key(L"interfaceLinks").BeginArray();
    for (const FaceLinks& links : status.links) {
        json.BeginObject();
        json.Key(L"face").String(links.face);
        json.Key(L"present").Bool(links.present);
        json.Key(L"readable").Bool(!links.unreadable);
        json.Key(L"entries").BeginArray();
        for (const std::wstring& entry : links.entries) json.String(entry);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();

    json.Key(L"windows").BeginObject();
    json.Key(L"major").Number(status.version.major);
    json.Key(L"minor").Number(status.version.minor);
    json.Key(L"build").Number(status.version.build);
    json.EndObject();
    json.Key(L"administrator").Bool(status.administrator);
    json.Key(L"elevated").Bool(status.elevated);
    json.Key(L"drawnWith");
    WriteDrawnWithJson(json, status.drawn);
    json.Key(L"browsers");
    WriteBrowserFontsJson(json, status.browsers);
    json.EndObject();
    return json.Text();
}
