#include "cli/format_browser_fonts.h"

#include "cli/json_writer.h"
#include "common/text.h"

namespace {

using plan::ProfileProblem;

std::wstring DescribeFonts(const ObservedProfile& seen) {
    switch (seen.problem) {
    case ProfileProblem::Moved: return L"not read: its UserDataDir policy keeps the profiles where Glyphor cannot follow";
    case ProfileProblem::Gone: return L"its settings file is gone";
    default: break;
    }
    if (!seen.fonts) return L"its settings file " + seen.profile.settings + L" cannot be read";
    std::wstring text;
    const auto add = [&](const wchar_t* key, const std::optional<std::wstring>& face) {
        if (face) text += (text.empty() ? L"" : L", ") + std::wstring(key) + L" " + *face;
    };
    add(L"standard", seen.fonts->standard);
    add(L"serif", seen.fonts->serif);
    add(L"sans-serif", seen.fonts->sansSerif);
    return text.empty() ? L"not set: the page's fonts, then Windows' fallback" : text;
}

void Face(JsonWriter& json, const wchar_t* key, const std::optional<BengaliFonts>& fonts,
          std::optional<std::wstring> BengaliFonts::*which) {
    json.Key(key);
    fonts && (*fonts).*which ? json.String(*((*fonts).*which)) : json.Null();
}

}  // namespace

std::wstring NameProfile(const BrowserProfile& profile) {
    return std::wstring(profile.browser->name) + L"'s profile " + Quoted(profile.name) + L" (" + profile.folder + L")";
}

std::wstring FormatBrowserFontsText(const std::vector<ObservedProfile>& profiles) {
    std::wstring text = L"Bengali in browsers:\n";
    if (profiles.empty()) text += L"  no profile of Edge, Chrome, Brave or Firefox found\n";
    for (const ObservedProfile& seen : profiles) {
        text += L"  " + std::wstring(seen.profile.browser->name) + L", " + Quoted(seen.profile.name) + L": " +
                DescribeFonts(seen) + (seen.problem == ProfileProblem::Open ? L"; in use" : L"") + L"\n";
        text += L"    " + seen.profile.folder + L"\n";
    }
    return text;
}

void WriteBrowserFontsJson(JsonWriter& json, const std::vector<ObservedProfile>& profiles) {
    json.BeginArray();
    for (const ObservedProfile& seen : profiles) {
        json.BeginObject();
        json.Key(L"browser").String(seen.profile.browser->id);
        json.Key(L"profile").String(seen.profile.folder);
        json.Key(L"name").String(seen.profile.name);
        json.Key(L"fonts").BeginObject();
        Face(json, L"standard", seen.fonts, &BengaliFonts::standard);
        Face(json, L"serif", seen.fonts, &BengaliFonts::serif);
        Face(json, L"sansSerif", seen.fonts, &BengaliFonts::sansSerif);
        json.EndObject();
        json.Key(L"inUse").Bool(seen.problem == ProfileProblem::Open);
        json.Key(L"readable").Bool(seen.fonts.has_value());
        json.EndObject();
    }
    json.EndArray();
}
