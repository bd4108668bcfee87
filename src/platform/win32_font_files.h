#pragma once

#include "common/font_files.h"

// Fonts and files through GDI, the window manager and the file system;
// the fonts folder comes from the shell, file protection from sfc.dll.
class Win32FontFiles final : public FontFiles {
public:
    bool Unregister(std::wstring_view file) override;
    bool Register(std::wstring_view path) override;
    void BroadcastFontChange() override;
    bool Move(std::wstring_view from, std::wstring_view to) override;
    bool Copy(std::wstring_view from, std::wstring_view to) override;
    bool Delete(std::wstring_view path) override;
    bool Exists(std::wstring_view path) override;
    bool Occupied(std::wstring_view path) override;
    bool IsProtected(std::wstring_view path) override;
    std::wstring FontsFolder() override;
};
