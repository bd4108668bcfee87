#include "about/win32_about_logo.h"

#include <olectl.h>
#include <shlwapi.h>

namespace {

unique_com<IStream> OpenResourceStream(const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(module, name, RT_RCDATA);
    if (!resource) return {};
    // Loaded resources stay mapped for the module's lifetime; nothing to free.
    const HGLOBAL loaded = LoadResource(module, resource);
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    if (!bytes) return {};
    return unique_com<IStream>(SHCreateMemStream(bytes, SizeofResource(module, resource)));
}

}  // namespace

unique_hbitmap LoadAboutLogo() {
    const auto stream = OpenResourceStream(kAboutLogoResource);
    if (!stream) return {};
    unique_com<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), 0, FALSE, IID_IPicture, reinterpret_cast<void**>(picture.put()))))
        return {};
    OLE_HANDLE handle = 0;
    short type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture.get()->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture.get()->get_Handle(&handle)))
        return {};
    // The picture object owns its bitmap; keep a copy that outlives it.
    return unique_hbitmap(static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}
