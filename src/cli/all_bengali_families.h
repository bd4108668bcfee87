#pragma once

#include <string>
#include <vector>

class FontCatalog;

struct MarkedFamily {
    std::wstring family;
    bool listed = false;  // the window lists it

    bool operator==(const MarkedFamily&) const = default;
};

// Of the installed families, in their order, each that has অ, ক and হ,
// marked by whether it is among the families the window lists. The window
// looks for a shape of the coverage, so a family that covers more of the
// Bengali block (U+0980, say) writes Bengali and is still not listed.
std::vector<MarkedFamily> MarkBengaliFamilies(const std::vector<std::wstring>& installed, FontCatalog& fonts,
                                              const std::vector<std::wstring>& listed);
