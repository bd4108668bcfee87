#include "probe/drawn_fonts.h"

#include <algorithm>

#include "common/text.h"
#include "fonts/font_catalog.h"
#include "fonts/font_settings.h"
#include "platform/registry_access.h"
#include "probe/emf_font_records.h"
#include "probe/font_drawing.h"

namespace {

// The letter whose outline tells which linked font drew it: ক.
constexpr wchar_t kProbeLetter = L'\u0995';

class Probe {
public:
    Probe(FontDrawing& drawing, Registry& registry, FontCatalog& fonts)
        : drawing_(drawing), registry_(registry), fonts_(fonts) {}

    // What drew the sample where text asks for `face`, as the metafile of its
    // drawing shows. Uniscribe draws what the face cannot write in another
    // font, its link's or its fallback's; failing that, the face drew it.
    DrawnFont Measure(std::wstring_view face) {
        const std::vector<std::wstring> drawn = mProbe::ReadDrawnFontFaces(drawing_.RecordText(face, kBengaliSample));
        if (drawn.empty()) return {};
        const auto other = std::find_if(drawn.begin(), drawn.end(),
                                        [&](const std::wstring& each) { return !SameFaceName(each, face); });
        if (other != drawn.end()) return Resolve(*other, Linked(face, *other) ? DrawnVia::Link : DrawnVia::Fallback);
        DrawnFont own = Resolve(face, DrawnVia::Face);
        if (!own.family || WritesBengali(fonts_, *own.family)) return own;
        // A family without Bengali drew it: GDI took the letters from a
        // linked font inside the font, as Wine does, and the letter's outline
        // is that font's.
        return MatchLinkedOutline(face).value_or(own);
    }

private:
    // GDI takes a substitute only for a face that is not installed, so a
    // family other than the face asked for came from the substitute when
    // that names it; otherwise from GDI's own choice.
    DrawnFont Resolve(std::wstring_view face, DrawnVia reached) {
        const auto family = drawing_.ResolveFamily(face);
        if (!family) return {};
        if (SameFaceName(*family, face)) return {family, reached};
        const std::wstring substitute = mRegistry::ReadRegistryText(
            registry_, RegistryRoot::LocalMachine, kFontSubstitutesPath, face);
        return {family, !substitute.empty() && SameFaceName(substitute, *family) ? DrawnVia::Substitute
                                                                                : DrawnVia::Unknown};
    }

    bool Linked(std::wstring_view face, std::wstring_view drawn) {
        const std::vector<std::wstring> links = Links(face);
        return std::any_of(links.begin(), links.end(),
                           [&](const std::wstring& entry) { return SameFaceName(FaceOfLinkEntry(entry), drawn); });
    }

    std::optional<DrawnFont> MatchLinkedOutline(std::wstring_view face) {
        const std::vector<std::uint8_t> drawn = drawing_.OutlineLetter(face, kProbeLetter);
        if (drawn.empty()) return std::nullopt;
        for (const std::wstring& entry : Links(face)) {
            const std::wstring_view linked = FaceOfLinkEntry(entry);
            if (linked.empty() || drawing_.OutlineLetter(linked, kProbeLetter) != drawn) continue;
            if (auto family = drawing_.ResolveFamily(linked)) return DrawnFont{std::move(family), DrawnVia::Link};
        }
        return std::nullopt;
    }

    std::vector<std::wstring> Links(std::wstring_view face) {
        return ReadLinkEntries(registry_, face).entries.value_or(std::vector<std::wstring>{});
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
        if (std::none_of(faces.begin(), faces.end(), [&](const std::wstring& each) { return SameFaceName(each, face); }))
            faces.emplace_back(face);
    }
    for (const std::wstring& face : faces) drawn.interfaceFaces.push_back({face, probe.Measure(face)});

    drawn.vrinda = probe.Measure(L"Vrinda");

    // IDWriteFactory2, and with it the system fallback, came with Windows 8.1.
    const bool directWriteFallback = version.major > 6 || (version.major == 6 && version.minor >= 3);
    if (directWriteFallback) {
        const std::wstring base = drawn.messageFace.empty() ? L"Segoe UI" : drawn.messageFace;
        DirectWriteMapping mapping = drawing.MapDirectWriteFallback(base, kBengaliSample);
        drawn.directWriteAvailable = mapping.available;
        if (mapping.available && mapping.family) {
            const DrawnVia via = SameFaceName(*mapping.family, base) ? DrawnVia::Face : DrawnVia::Fallback;
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
        if (font.family && SameFaceName(*font.family, face)) return;
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
