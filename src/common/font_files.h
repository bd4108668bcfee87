#pragma once

#include <string>
#include <string_view>

// The font and file operations that take a font out of service and bring it back.
class FontFiles {
public:
    virtual ~FontFiles() = default;

    // Unregisters a font resource from the running system; true when it was.
    virtual bool Unregister(std::wstring_view file) = 0;
    // Registers a font file for this session; true when it added a font.
    virtual bool Register(std::wstring_view path) = 0;
    // Tells every top-level window that the set of fonts changed.
    virtual void BroadcastFontChange() = 0;
    // Moves or copies a file, never over anything that exists; true when done.
    virtual bool Move(std::wstring_view from, std::wstring_view to) = 0;
    virtual bool Copy(std::wstring_view from, std::wstring_view to) = 0;
    virtual bool Delete(std::wstring_view path) = 0;
    // True when a file (not a folder) is at the path.
    virtual bool Exists(std::wstring_view path) = 0;
    // True when anything at all, a file or a folder, is at the path.
    virtual bool Occupied(std::wstring_view path) = 0;
    // True when Windows guards the file against change (resource protection).
    virtual bool IsProtected(std::wstring_view path) = 0;
    // The Windows fonts folder ending in "\", or empty when unknown.
    virtual std::wstring FontsFolder() = 0;
};
