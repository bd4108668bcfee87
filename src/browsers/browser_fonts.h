#pragma once

#include <optional>
#include <string>

// The Bengali fonts one browser profile names, each nothing when the
// profile leaves it to the browser. Firefox has no `standard` font.
struct BengaliFonts {
    std::optional<std::wstring> standard;
    std::optional<std::wstring> serif;
    std::optional<std::wstring> sansSerif;

    bool operator==(const BengaliFonts&) const = default;
};

// A profile file's text after an edit, or why it was left as it was.
struct FontEdit {
    enum class Result {
        Changed,    // `text` is the whole new file
        Unchanged,  // the file already is as asked: nothing to write
        Refused,    // the file is not what Glyphor can read: leave it be
    } result = Result::Refused;
    std::string text;

    bool operator==(const FontEdit&) const = default;
};

// A profile as its browser's own list names it.
struct ListedProfile {
    std::wstring folder;  // Chromium: the folder's name in User Data; Firefox: the full path
    std::wstring name;    // the name the user sees; empty when the list gives none

    bool operator==(const ListedProfile&) const = default;
};
