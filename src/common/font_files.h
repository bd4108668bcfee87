#pragma once

#include <string>
#include <string_view>

// The font and file operations that take a font out of service.
class FontFiles {
public:
    virtual ~FontFiles() = default;

    // Unregisters a font resource from the running system; true when it was.
    virtual bool Unregister(std::wstring_view file) = 0;
    // Tells every top-level window that the set of fonts changed.
    virtual void BroadcastFontChange() = 0;
    // Moves a file, never over one that exists; true when it moved.
    virtual bool Move(std::wstring_view from, std::wstring_view to) = 0;
    virtual bool Delete(std::wstring_view path) = 0;
    // True when a file (not a folder) is at the path.
    virtual bool Exists(std::wstring_view path) = 0;
    // The Windows fonts folder ending in "\", or empty when unknown.
    virtual std::wstring FontsFolder() = 0;
};
