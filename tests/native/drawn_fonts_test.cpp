#include "probe/drawn_fonts.h"

#include <gtest/gtest.h>

#include "platform/registry_access.h"
#include "probe/emf_font_records.h"
#include "probe_fakes.h"
#include "repair/font_links.h"
#include "repair_fakes.h"

namespace {

using mProbe::ReadDrawnFontFaces;

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A copy of the bytes with one 32-bit word changed.
std::vector<std::uint8_t> WithWord(std::vector<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    PutWord(bytes, at, value);
    return bytes;
}

// "বাংলা লিপি" drawn in Tahoma through ScriptStringOut into an enhanced
// metafile under Wine 8, by Win32FontDrawing::RecordText: the face, then
// Wine's Bengali fallback, each as a whole EXTLOGFONTW, between selections
// and a text record.
constexpr char kTahomaUnderWine[] =
    "010000006c000000000000000000000038000000230000000000000000000000ca0500009d03000020454d4600000100"
    "f40300000c0000000300000000000000000000000000000000040000000300000f010000cb0000000000000000000000"
    "0000000098220400f8180300520000004c01000001000000e8ffffff0000000000000000000000009001000000000001"
    "000000005400610068006f006d0061000000000000000000000000000000000000000000000000000000000000000000"
    "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000046002101"
    "00000000000000000000000064b53ac7020000009cb3a11602000000000000000000000076ce3ac70200000042000107"
    "0000000049e70ebb0a00000049e70ebb0200000000000000000000000000000000000000000000000000000001010101"
    "0101010101014dc7250000000c00000001000000520000004c01000002000000e8ffffff000000000000000000000000"
    "9001000000000001000000005600720069006e0064006100000000000000000000000000000000000000000000000000"
    "000000000000000000000000000000000000000000000000000000000000000000000000900100000000000100000000"
    "5600720069006e0064006100000000000000000000000000000000000000000000000000000000000000000000000000"
    "0000000050ed36000000000000000000000000000000340000000000000034000000000050ed36000000000087ae0270"
    "0100000062656e6700000000000036000000000064b53ac7020000009cb3a11602000000903110bb02000000e5550270"
    "0100000000000002000000000000000000000000a8fa2100000000000000000000000000000000000000000000000000"
    "00000000010101010101010101010000250000000c00000002000000250000000c00000001000000250000000c000000"
    "020000005400000088000000000000000000000038000000230000000100000000b8d3415575d3410000000000000000"
    "0a0000004c0000001030000000000000000000000000000000000000600000005900650035005e006500030066005e00"
    "660057000d0000000000000007000000000000000a000000000000001200000000000000070000000000000025000000"
    "0c00000001000000280000000c00000002000000250000000c0000000d0000800e000000140000000000000010000000"
    "14000000";

std::vector<std::uint8_t> FromHex(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

}  // namespace

TEST(MetafileWalk, NamesTheFontSelectedAtEachTextItDraws) {
    struct Case {
        const char* name;
        std::function<std::vector<std::uint8_t>()> bytes;
        std::vector<std::wstring> drawn;
    };
    const Case cases[] = {
        // Tahoma created and selected, Vrinda created, each selected in turn, the text in Vrinda.
        {"as Wine records a fallback", [] { return FromHex(kTahomaUnderWine); }, {L"Vrinda"}},
        {"two fonts created, the text drawn in the first",
         [] { return MetafileBytes().Font(1, L"Tahoma").Font(2, L"Vrinda").Select(2).Select(1).Text(10).End(); },
         {L"Tahoma"}},
        {"each text in the font selected for it",
         [] {
             return MetafileBytes().Font(1, L"Tahoma").Font(2, L"Vrinda").Select(1).Text(1).Select(2).Text(9).End();
         },
         {L"Tahoma", L"Vrinda"}},
        {"a pen selected between leaves the font",
         [] { return MetafileBytes().Font(1, L"Vrinda").Select(1).Pen(2).Select(2).Text(1).End(); }, {L"Vrinda"}},
        {"a handle deleted and given to a pen is no font",
         [] {
             return MetafileBytes().Font(1, L"Tahoma").Font(2, L"Vrinda").Select(1).Delete(2).Pen(2).Select(2).Text(1).End();
         },
         {L"Tahoma"}},
        {"a handle past the header's table is none",
         [] { return MetafileBytes().Font(1, L"Vrinda").Select(1).Font(16, L"Tahoma").Select(16).Text(1).End(); },
         {L"Vrinda"}},
        {"a stock font has no face to tell",
         [] { return MetafileBytes().Font(1, L"Vrinda").Select(1).Select(0x8000000D).Text(1).End(); }, {}},
        {"a stock brush leaves the font",
         [] { return MetafileBytes().Font(1, L"Vrinda").Select(1).Select(0x80000000).Text(1).End(); }, {L"Vrinda"}},
        {"a font with an empty face is passed over",
         [] { return MetafileBytes().Font(1, L"").Select(1).Text(1).Font(2, L"Vrinda").Select(2).Text(1).End(); },
         {L"Vrinda"}},
        {"text before any font, and text of no character, count for nothing",
         [] { return MetafileBytes().Text(1).Font(1, L"Vrinda").Select(1).Text(0).End(); }, {}},
        {"a face filling its field without a NUL",
         [] { return MetafileDrawing({std::wstring(40, L'x')}); }, {std::wstring(32, L'x')}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadDrawnFontFaces(c.bytes()), c.drawn) << c.name;
}

TEST(MetafileWalk, StopsAtWhatCannotBeTrusted) {
    const auto two = MetafileDrawing({L"Tahoma", L"Vrinda"});
    const std::size_t firstFont = 88, secondFont = firstFont + 104 + 12;
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::vector<std::wstring> drawn;
    };
    const auto cut = [](std::vector<std::uint8_t> bytes, std::size_t size) {
        bytes.resize(size);
        return bytes;
    };
    const Case cases[] = {
        {"Wine's recording, cut inside its second font", cut(FromHex(kTahomaUnderWine), 108 + 332 + 12 + 200), {}},
        {"no bytes", {}, {}},
        {"no EMF signature", WithWord(two, 40, 0x58585858), {}},
        {"a header that is not the first record", WithWord(two, 0, 82), {}},
        {"a record of size zero ends the walk", WithWord(two, secondFont + 4, 0), {}},
        {"a size that is no whole number of words", WithWord(two, firstFont + 4, 106), {}},
        {"a size past the end", WithWord(two, secondFont + 4, 0x7FFFFFFC), {}},
        {"a font record too short to hold a face is a font of no face",
         [] {
             auto bytes = MetafileDrawing({L"Tahoma"});
             PutWord(bytes, 88 + 4, 12);
             bytes.erase(bytes.begin() + 88 + 12, bytes.begin() + 88 + 104);
             return bytes;
         }(),
         {}},
        {"nothing after the end record counts",
         [] {
             auto bytes = MetafileBytes().End();
             const auto more = MetafileDrawing({L"Vrinda"});
             bytes.insert(bytes.end(), more.begin() + 88, more.end());
             return bytes;
         }(),
         {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadDrawnFontFaces(c.bytes), c.drawn) << c.name;
}

namespace {

// A machine whose probe answers come from the fakes.
struct ProbeRig {
    CallLog log;
    MemoryRegistry registry{log};
    FakeFontCatalog fonts;
    FakeFontDrawing drawing;
    WindowsVersion version{6, 1, 7601};

    void Substitute(std::wstring_view face, std::wstring_view by) {
        registry.Put(RegistryRoot::LocalMachine, SubstituteSettings::kFontSubstitutesPath, face,
                     mRegistry::TextValue(by));
    }
    void Link(std::wstring_view face, std::vector<std::wstring> entries) {
        registry.Put(RegistryRoot::LocalMachine, kSystemLinkPath, face, mRegistry::MultiStringValue(entries));
    }
    DrawnWith Probe() { return ProbeDrawnFonts(drawing, registry, fonts, version); }
};

DrawnFont Font(std::wstring family, DrawnVia via) { return {std::move(family), via}; }

const DrawnFont* FaceAnswer(const DrawnWith& drawn, std::wstring_view face) {
    for (const FaceDrawn& each : drawn.interfaceFaces)
        if (each.face == face) return &each.drawn;
    return nullptr;
}

}  // namespace

TEST(DrawnFonts, TellsTheFamilyAndHowTheTextGotThereOnEachPath) {
    struct Case {
        const char* name;
        std::function<void(ProbeRig&)> arrange;
        DrawnFont interfaceText, vrinda;
    };
    const Case cases[] = {
        {"a stock Windows 7: fallback to Vrinda", {}, Font(L"Vrinda", DrawnVia::Fallback),
         Font(L"Vrinda", DrawnVia::Face)},
        {"fixed: Vrinda out of service and substituted",
         [](ProbeRig& r) {
             r.Substitute(L"Vrinda", L"Likhan");
             r.drawing.families[L"Vrinda"] = L"Likhan";
         },
         Font(L"Likhan", DrawnVia::Substitute), Font(L"Likhan", DrawnVia::Substitute)},
        {"Vrinda missing and no substitute: GDI's own choice, which writes no Bengali",
         [](ProbeRig& r) { r.drawing.families[L"Vrinda"] = L"Liberation Sans"; },
         Font(L"Liberation Sans", DrawnVia::Unknown), Font(L"Liberation Sans", DrawnVia::Unknown)},
        {"a substitute naming another face than the one drawn does not count",
         [](ProbeRig& r) {
             r.Substitute(L"Vrinda", L"Likhan");
             r.drawing.families[L"Vrinda"] = L"Arial";
         },
         Font(L"Arial", DrawnVia::Unknown), Font(L"Arial", DrawnVia::Unknown)},
        {"Windows 10: fallback to Nirmala UI, no Vrinda, on both paths",
         [](ProbeRig& r) {
             r.version = {10, 0, 19045};
             r.drawing.messageFace = L"Segoe UI";
             r.drawing.fallback = L"Nirmala UI";
             r.drawing.families[L"Vrinda"] = L"Arial";
         },
         Font(L"Nirmala UI", DrawnVia::Fallback), Font(L"Nirmala UI", DrawnVia::Fallback)},
        {"a linked font drawn with",
         [](ProbeRig& r) {
             r.Link(L"Tahoma", {L"MSGOTHIC.TTC,MS UI Gothic", L"LikhanNormal.ttf,Likhan"});
             r.drawing.recorded[L"Tahoma"] = {L"Tahoma", L"Likhan"};
         },
         Font(L"Likhan", DrawnVia::Link), Font(L"Vrinda", DrawnVia::Face)},
        {"a link taken inside the font: the letter is the linked font's",
         [](ProbeRig& r) {
             r.Link(L"Tahoma", {L"MSGOTHIC.TTC,MS UI Gothic", L"LikhanNormal.ttf,Likhan"});
             r.drawing.recorded[L"Tahoma"] = {L"Tahoma"};
             r.drawing.outlines[L"Tahoma"] = r.drawing.OutlineLetter(L"Likhan", L'\u0995');
         },
         Font(L"Likhan", DrawnVia::Link), Font(L"Vrinda", DrawnVia::Face)},
        {"a link the letter does not come from is no link",
         [](ProbeRig& r) {
             r.Link(L"Tahoma", {L"LikhanNormal.ttf,Likhan"});
             r.drawing.recorded[L"Tahoma"] = {L"Tahoma"};
         },
         Font(L"Tahoma", DrawnVia::Face), Font(L"Vrinda", DrawnVia::Face)},
        {"a face that writes Bengali itself",
         [](ProbeRig& r) {
             r.drawing.messageFace = L"Likhan";
             r.drawing.recorded[L"Likhan"] = {L"Likhan"};
         },
         Font(L"Likhan", DrawnVia::Face), Font(L"Vrinda", DrawnVia::Face)},
        {"faces compared as Windows compares them, every letter's case",
         [](ProbeRig& r) {
             r.drawing.messageFace = L"\u00C9KA";
             r.drawing.recorded[L"\u00C9KA"] = {L"\u00E9ka "};
             r.drawing.families[L"\u00C9KA"] = L"\u00E9ka";
             r.fonts.families[L"\u00E9ka"] = r.fonts.families[L"Likhan"];
         },
         Font(L"\u00E9ka", DrawnVia::Face), Font(L"Vrinda", DrawnVia::Face)},
        {"nothing drawn", [](ProbeRig& r) { r.drawing.recorded[L"Tahoma"] = {}; }, DrawnFont{},
         Font(L"Vrinda", DrawnVia::Face)},
        {"a family Windows will not tell",
         [](ProbeRig& r) { r.drawing.families[L"Vrinda"] = std::nullopt; }, DrawnFont{}, DrawnFont{}},
    };
    for (const Case& c : cases) {
        ProbeRig rig;
        if (c.arrange) c.arrange(rig);
        const DrawnWith drawn = rig.Probe();
        EXPECT_EQ(drawn.InterfaceText(), c.interfaceText) << c.name;
        EXPECT_EQ(drawn.vrinda, c.vrinda) << c.name;
    }
}

TEST(DrawnFonts, ProbesTheMessageFontFirstThenEachInterfaceFaceOnce) {
    ProbeRig rig;
    rig.drawing.messageFace = L"segoe ui";
    rig.Substitute(L"MS Shell Dlg 2", L"Tahoma");
    rig.drawing.families[L"MS Shell Dlg 2"] = L"Tahoma";
    rig.drawing.recorded[L"MS Shell Dlg 2"] = {L"MS Shell Dlg 2"};
    const DrawnWith drawn = rig.Probe();
    std::vector<std::wstring> faces;
    for (const FaceDrawn& each : drawn.interfaceFaces) faces.push_back(each.face);
    EXPECT_EQ(faces, (std::vector<std::wstring>{L"segoe ui", L"Tahoma", L"Microsoft Sans Serif", L"MS Shell Dlg 2"}));
    EXPECT_EQ(*FaceAnswer(drawn, L"MS Shell Dlg 2"), Font(L"Tahoma", DrawnVia::Substitute));
}

TEST(DrawnFonts, AsksDirectWriteFromWindows81On) {
    struct Case {
        const char* name;
        WindowsVersion version;
        DirectWriteMapping mapped;
        bool available;
        DrawnFont drawn;
    };
    const DirectWriteMapping nirmala{true, L"Nirmala UI"};
    const Case cases[] = {
        {"Windows 7", {6, 1, 7601}, nirmala, false, {}},
        {"Windows 8", {6, 2, 9200}, nirmala, false, {}},
        {"Windows 8.1", {6, 3, 9600}, nirmala, true, Font(L"Nirmala UI", DrawnVia::Fallback)},
        {"Windows 10, the base family itself", {10, 0, 19045}, {true, L"Tahoma"}, true, Font(L"Tahoma", DrawnVia::Face)},
        {"Windows 10, a fallback that maps no font", {10, 0, 19045}, {true, std::nullopt}, true, {}},
        {"Windows 10 without DirectWrite's fallback", {10, 0, 19045}, {}, false, {}},
    };
    for (const Case& c : cases) {
        ProbeRig rig;
        rig.version = c.version;
        rig.drawing.directWrite = c.mapped;
        const DrawnWith drawn = rig.Probe();
        EXPECT_EQ(drawn.directWriteAvailable, c.available) << c.name;
        EXPECT_EQ(drawn.directWrite, c.drawn) << c.name;
    }
}

TEST(DrawnFonts, ExpectsTheFaceOnThePathsAFixReachesOnEachVersion) {
    DrawnWith interfaceOnly;
    interfaceOnly.interfaceFaces = {{L"Tahoma", Font(L"Likhan", DrawnVia::Substitute)}};
    interfaceOnly.vrinda = Font(L"Vrinda", DrawnVia::Face);
    DrawnWith vrindaOnly;
    vrindaOnly.interfaceFaces = {{L"Segoe UI", Font(L"Nirmala UI", DrawnVia::Fallback)}};
    vrindaOnly.vrinda = Font(L"likhan", DrawnVia::Substitute);
    DrawnWith both = interfaceOnly;
    both.vrinda = Font(L"Likhan", DrawnVia::Substitute);
    DrawnWith unanswered;
    struct Case {
        const char* name;
        const DrawnWith& drawn;
        WindowsVersion version;
        std::vector<PathMissing> missing;
    };
    using enum PathMissing::Path;
    const Case cases[] = {
        {"XP, both paths", both, {5, 1, 2600}, {}},
        {"7, both paths", both, {6, 1, 7601}, {}},
        {"7, Vrinda-named text still Vrinda", interfaceOnly, {6, 1, 7601}, {{VrindaText, L"Vrinda"}}},
        {"7, interface text elsewhere", vrindaOnly, {6, 1, 7601}, {{InterfaceText, L"Nirmala UI"}}},
        {"8, interface text is not the fix's to reach", vrindaOnly, {6, 2, 9200}, {}},
        {"10, Vrinda-named text still Vrinda", interfaceOnly, {10, 0, 19045}, {{VrindaText, L"Vrinda"}}},
        {"10, no answer", unanswered, {10, 0, 19045}, {{VrindaText, std::nullopt}}},
    };
    for (const Case& c : cases) EXPECT_EQ(FindPathsMissing(c.drawn, L"Likhan", c.version), c.missing) << c.name;
}
