#include "probe/win32_font_drawing.h"

#include <windows.h>
#include <dwrite_2.h>
#include <usp10.h>

#include <cstddef>

#include "platform/unique_handle.h"

namespace {

void DeleteMetafile(HENHMETAFILE metafile) noexcept { ::DeleteEnhMetaFile(metafile); }
using unique_henhmetafile = unique_any<HENHMETAFILE, DeleteMetafile>;

constexpr int kSampleHeight = -24;

unique_hfont CreateFaceFont(std::wstring_view face) {
    if (face.empty() || face.size() >= LF_FACESIZE) return unique_hfont();
    LOGFONTW wanted{};
    wanted.lfHeight = kSampleHeight;
    wanted.lfWeight = FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, face.size());
    return unique_hfont(CreateFontIndirectW(&wanted));
}

// The text, whole, for DirectWrite's fallback to read.
class SampleSource final : public IDWriteTextAnalysisSource {
public:
    explicit SampleSource(std::wstring_view text) : text_(text) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDWriteTextAnalysisSource)) {
            *object = static_cast<IDWriteTextAnalysisSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack, for the one call that reads it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetTextAtPosition(UINT32 position, const WCHAR** text, UINT32* length) override {
        const bool inside = position < text_.size();
        *text = inside ? text_.data() + position : nullptr;
        *length = inside ? static_cast<UINT32>(text_.size() - position) : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTextBeforePosition(UINT32 position, const WCHAR** text, UINT32* length) override {
        const bool inside = position > 0 && position <= text_.size();
        *text = inside ? text_.data() : nullptr;
        *length = inside ? position : 0;
        return S_OK;
    }
    DWRITE_READING_DIRECTION STDMETHODCALLTYPE GetParagraphReadingDirection() override {
        return DWRITE_READING_DIRECTION_LEFT_TO_RIGHT;
    }
    HRESULT STDMETHODCALLTYPE GetLocaleName(UINT32 position, UINT32* length, const WCHAR** locale) override {
        *length = position < text_.size() ? static_cast<UINT32>(text_.size() - position) : 0;
        *locale = L"bn-IN";
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetNumberSubstitution(UINT32 position, UINT32* length,
                                                    IDWriteNumberSubstitution** substitution) override {
        *length = position < text_.size() ? static_cast<UINT32>(text_.size() - position) : 0;
        *substitution = nullptr;
        return S_OK;
    }

private:
    std::wstring_view text_;
};

std::optional<std::wstring> EnglishFamilyName(IDWriteFont* font) {
    unique_com<IDWriteFontFamily> family;
    unique_com<IDWriteLocalizedStrings> names;
    if (FAILED(font->GetFontFamily(family.put())) || FAILED(family.get()->GetFamilyNames(names.put())))
        return std::nullopt;
    UINT32 index = 0;
    BOOL exists = FALSE;
    if (FAILED(names.get()->FindLocaleName(L"en-us", &index, &exists)) || !exists) index = 0;
    UINT32 length = 0;
    if (FAILED(names.get()->GetStringLength(index, &length))) return std::nullopt;
    std::wstring name(length + 1, L'\0');
    if (FAILED(names.get()->GetString(index, name.data(), length + 1))) return std::nullopt;
    name.resize(length);
    return name;
}

}  // namespace

std::wstring Win32FontDrawing::MessageFace() {
    // The structure as Windows XP knows it: later fields make older versions refuse the call.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
    return std::wstring(metrics.lfMessageFont.lfFaceName, wcsnlen(metrics.lfMessageFont.lfFaceName, LF_FACESIZE));
}

std::vector<std::uint8_t> Win32FontDrawing::RecordText(std::wstring_view face, std::wstring_view text) {
    const unique_window_dc screen(nullptr);
    const unique_hfont font = CreateFaceFont(face);
    if (!screen || !font || text.empty()) return {};
    HDC recording = CreateEnhMetaFileW(screen.get(), nullptr, nullptr, nullptr);
    if (!recording) return {};
    {
        const unique_select_object selection(recording, font.get());
        SCRIPT_STRING_ANALYSIS analysis = nullptr;
        const int length = static_cast<int>(text.size());
        // Uniscribe's own advice for the glyph buffer: one and a half per character, and 16 more.
        if (selection.selected() &&
            SUCCEEDED(ScriptStringAnalyse(recording, text.data(), length, length * 3 / 2 + 16, -1,
                                          SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr, nullptr, nullptr,
                                          nullptr, nullptr, &analysis))) {
            ScriptStringOut(analysis, 0, 0, 0, nullptr, 0, 0, FALSE);
            ScriptStringFree(&analysis);
        }
    }
    const unique_henhmetafile metafile(CloseEnhMetaFile(recording));
    if (!metafile) return {};
    const UINT size = GetEnhMetaFileBits(metafile.get(), 0, nullptr);
    std::vector<std::uint8_t> bytes(size);
    if (size == 0 || GetEnhMetaFileBits(metafile.get(), size, bytes.data()) != size) return {};
    return bytes;
}

std::vector<std::uint8_t> Win32FontDrawing::OutlineLetter(std::wstring_view face, wchar_t letter) {
    const unique_window_dc screen(nullptr);
    const unique_hfont font = CreateFaceFont(face);
    if (!screen || !font) return {};
    const unique_select_object selection(screen.get(), font.get());
    if (!selection.selected()) return {};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS metrics{};
    const DWORD size = GetGlyphOutlineW(screen.get(), letter, GGO_NATIVE, &metrics, 0, nullptr, &identity);
    if (size == 0 || size == GDI_ERROR) return {};
    std::vector<std::uint8_t> outline(size);
    if (GetGlyphOutlineW(screen.get(), letter, GGO_NATIVE, &metrics, size, outline.data(), &identity) == GDI_ERROR)
        return {};
    return outline;
}

std::optional<std::wstring> Win32FontDrawing::ResolveFamily(std::wstring_view face) {
    const unique_window_dc screen(nullptr);
    const unique_hfont font = CreateFaceFont(face);
    if (!screen || !font) return std::nullopt;
    const unique_select_object selection(screen.get(), font.get());
    if (!selection.selected()) return std::nullopt;
    const UINT size = GetOutlineTextMetricsW(screen.get(), 0, nullptr);
    if (size < sizeof(OUTLINETEXTMETRICW)) return std::nullopt;
    // Kept in words, so that the structure at its start is aligned.
    std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
    if (GetOutlineTextMetricsW(screen.get(), size, metrics) == 0) return std::nullopt;
    // The name's place is given as an offset from the structure's start.
    const auto offset = reinterpret_cast<std::uintptr_t>(metrics->otmpFamilyName);
    if (offset < sizeof(OUTLINETEXTMETRICW) || offset >= size || offset % sizeof(wchar_t) != 0) return std::nullopt;
    const auto* name = reinterpret_cast<const wchar_t*>(reinterpret_cast<const std::uint8_t*>(metrics) + offset);
    const std::size_t room = (size - offset) / sizeof(wchar_t);
    return std::wstring(name, wcsnlen(name, room));
}

DirectWriteMapping Win32FontDrawing::MapDirectWriteFallback(std::wstring_view baseFamily, std::wstring_view text) {
    using CreateFactory = HRESULT(WINAPI*)(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);
    const unique_hmodule dwrite(LoadLibraryExW(L"dwrite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!dwrite) return {};
    const auto create = reinterpret_cast<CreateFactory>(
        reinterpret_cast<void*>(GetProcAddress(dwrite.get(), "DWriteCreateFactory")));
    if (!create) return {};
    unique_com<IDWriteFactory> factory;
    if (FAILED(create(DWRITE_FACTORY_TYPE_ISOLATED, __uuidof(IDWriteFactory), reinterpret_cast<IUnknown**>(factory.put()))) ||
        !factory)
        return {};
    // Passed on rather than left to the fallback: Wine's fallback reads a
    // collection it could not make through a null pointer.
    unique_com<IDWriteFontCollection> collection;
    if (FAILED(factory.get()->GetSystemFontCollection(collection.put(), FALSE)) || !collection) return {};
    unique_com<IDWriteFactory2> factory2;
    unique_com<IDWriteFontFallback> fallback;
    if (FAILED(factory.get()->QueryInterface(__uuidof(IDWriteFactory2), reinterpret_cast<void**>(factory2.put()))) ||
        FAILED(factory2.get()->GetSystemFontFallback(fallback.put())) || !fallback)
        return {};
    SampleSource source(text);
    const std::wstring base(baseFamily);
    UINT32 mappedLength = 0;
    unique_com<IDWriteFont> mapped;
    FLOAT scale = 1.0f;
    if (FAILED(fallback.get()->MapCharacters(&source, 0, static_cast<UINT32>(text.size()), collection.get(), base.c_str(),
                                             DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL,
                                             DWRITE_FONT_STRETCH_NORMAL, &mappedLength, mapped.put(), &scale)))
        return {};
    // No font for the text is an answer too: it shows as missing glyphs.
    return {true, mapped ? EnglishFamilyName(mapped.get()) : std::nullopt};
}
