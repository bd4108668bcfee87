#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The files of browser profiles, as the browsers' settings are read and
// replaced.
class ProfileFiles {
public:
    virtual ~ProfileFiles() = default;

    struct Contents {
        enum class State { Read, Missing, Unreadable } state = State::Missing;
        std::string bytes;
    };
    // The whole file.
    virtual Contents Read(std::wstring_view path) = 0;

    // The names of the folders in a folder; empty when it is not there.
    virtual std::vector<std::wstring> Folders(std::wstring_view folder) = 0;

    // A running browser holds its lock file open without sharing it: true
    // then. A lock left by a browser that is gone, or none, is not held.
    virtual bool IsLockHeld(std::wstring_view lockFile) = 0;

    enum class Replaced { Done, ReadOnly, Failed };
    // Writes the bytes to a new file beside `path`, flushes it, then puts it
    // in the place of `path` in one step. On any failure `path` stays as it
    // was, byte for byte, and no new file is left behind.
    virtual Replaced Replace(std::wstring_view path, std::string_view bytes) = 0;
};
