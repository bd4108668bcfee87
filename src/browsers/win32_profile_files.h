#pragma once

#include "browsers/profile_files.h"

// Browser profile files through the wide-character file functions.
class Win32ProfileFiles final : public ProfileFiles {
public:
    Contents Read(std::wstring_view path) override;
    std::vector<std::wstring> Folders(std::wstring_view folder) override;
    bool IsLockHeld(std::wstring_view lockFile) override;
    Replaced Replace(std::wstring_view path, std::string_view bytes) override;
};
