#include "probe/drawn_fonts.h"

#include <algorithm>
#include <cwctype>

#include "common/text.h"
#include "fonts/font_catalog.h"
#include "fonts/font_settings.h"
#include "platform/registry_access.h"
#include "probe/emf_font_records.h"
#include "probe/font_drawing.h"

namespace {

// Windows matches face names without regard to case, and a family may end in a blank.
bool SameFace(std::wstring_view a, std::wstring_view b) {
    const std::wstring left = TrimBlanks(a), right = TrimBlanks(b);
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
           });
}

std::wstring_view FaceOfLinkEntry(std::wstring_view entry) {
    const auto comma = entry.find(L',');
    if (comma == std::wstring_view::npos) return {};
    const std::wstring_view rest = entry.substr(comma + 1);
    return rest.substr(0, rest.find(L','));
}

class Probe {
public:
    Probe(FontDrawing& drawing, Registry& registry, FontCatalog& fonts)
        : drawing_(drawing), registry_(registry), fonts_(fonts) {}

    // GDI takes a substitute only for a face that is not installed, so a
    // family other than the face asked for came from the substitute when
    // that names it; otherwise from GDI's own choice.
    DrawnFont Resolve(std::wstring_view face, DrawnVia reached) {
        const auto family = drawing_.ResolveFamily(face);
        if (!family) return {};
        if (SameFace(*family, face)) return {family, reached};
        const std::wstring substitute = mRegistry::ReadRegistryText(
            registry_, RegistryRoot::LocalMachine, kFontSubstitutesPath, face);
        return {family, !substitute.empty() && SameFace(substitute, *family) ? DrawnVia::Substitute : DrawnVia::Unknown};
    }

    DrawnFont InterfaceFace(std::wstring_view face) {
        const std::vector<std::wstring> created = mProbe::ReadCreatedFontFaces(drawing_.RecordText(face, kBengaliSample));
        if (created.empty()) return {};
        const std::vector<std::wstring> links = Links(face);
        // Uniscribe creates the face asked for first, then any it falls back or links to.
        const auto other = std::find_if(created.rbegin(), created.rend(),
                                        [&](const std::wstring& each) { return !SameFace(each, face); });
        if (other != created.rend()) {
            const bool linked = std::any_of(links.begin(), links.end(), [&](const std::wstring& entry) {
                return SameFace(FaceOfLinkEntry(entry), *other);
            });
            return Resolve(*other, linked ? DrawnVia::Link : DrawnVia::Fallback);
        }
        DrawnFont own = Resolve(face, DrawnVia::Face);
        if (!own.family || WritesBengali(*own.family)) return own;
        // A link taken inside the font, as Wine takes it, leaves no font of its own in the record.
        for (const std::wstring& entry : links) {
            const std::wstring_view linked = FaceOfLinkEntry(entry);
            if (!linked.empty() && WritesBengali(linked)) return {std::wstring(linked), DrawnVia::Link};
        }
        return own;
    }

private:
    std::vector<std::wstring> Links(std::wstring_view face) {
        return ReadLinkEntries(registry_, face).entries.value_or(std::vector<std::wstring>{});
    }

    bool WritesBengali(std::wstring_view family) {
        const auto coverage = fonts_.Coverage(family);
        return coverage && mFontEnum::CoversAll(*coverage, mFontEnum::kBengaliLetters);
    }

    FontDrawing& drawing_;
    Registry& registry_;
    FontCatalog& fonts_;
};

}  // namespace

DrawnWith ProbeDrawnFonts(FontDrawing& drawing, Registry& registry, FontCatalog& fonts, const WindowsVersion& version) {
    Probe probe(drawing, registry, fonts);
    DrawnWith drawn;
    drawn.messageFace = drawing.MessageFace();
    std::vector<std::wstring> faces;
    if (!drawn.messageFace.empty()) faces.push_back(drawn.messageFace);
    // Beside the message font, the interface faces a fix or its link touches.
    for (const std::wstring_view face : kInterfaceFaces) {
        if (std::none_of(faces.begin(), faces.end(), [&](const std::wstring& each) { return SameFace(each, face); }))
            faces.emplace_back(face);
    }
    for (const std::wstring& face : faces) drawn.interfaceFaces.push_back({face, probe.InterfaceFace(face)});

    drawn.vrinda = probe.Resolve(L"Vrinda", DrawnVia::Face);

    // IDWriteFactory2, and with it the system fallback, came with Windows 8.1.
    const bool directWriteFallback = version.major > 6 || (version.major == 6 && version.minor >= 3);
    if (directWriteFallback) {
        const std::wstring base = drawn.messageFace.empty() ? L"Segoe UI" : drawn.messageFace;
        DirectWriteMapping mapping = drawing.MapDirectWriteFallback(base, kBengaliSample);
        drawn.directWriteAvailable = mapping.available;
        if (mapping.available && mapping.family) {
            const DrawnVia via = SameFace(*mapping.family, base) ? DrawnVia::Face : DrawnVia::Fallback;
            drawn.directWrite = {std::move(mapping.family), via};
        }
    }
    return drawn;
}

std::wstring MeasureInterfaceFamily(FontDrawing& drawing, Registry& registry, FontCatalog& fonts,
                                    const WindowsVersion& version) {
    if (!version.FallsBackPastVrinda()) return {};
    return ProbeDrawnFonts(drawing, registry, fonts, version).InterfaceText().family.value_or(L"");
}

std::vector<PathMissing> FindPathsMissing(const DrawnWith& drawn, std::wstring_view face, const WindowsVersion& version) {
    std::vector<PathMissing> missing;
    const auto check = [&](PathMissing::Path path, const DrawnFont& font) {
        if (font.family && SameFace(*font.family, face)) return;
        missing.push_back({path, font.family});
    };
    if (!version.FallsBackPastVrinda()) check(PathMissing::Path::InterfaceText, drawn.InterfaceText());
    check(PathMissing::Path::VrindaText, drawn.vrinda);
    return missing;
}

std::wstring_view NameVia(DrawnVia via) {
    switch (via) {
    case DrawnVia::Face: return L"face";
    case DrawnVia::Substitute: return L"substitute";
    case DrawnVia::Fallback: return L"fallback";
    case DrawnVia::Link: return L"link";
    case DrawnVia::Unknown: return L"unknown";
    }
    return L"unknown";
}
