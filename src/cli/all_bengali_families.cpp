#include "cli/all_bengali_families.h"

#include <algorithm>

#include "fonts/font_catalog.h"

std::vector<MarkedFamily> MarkBengaliFamilies(const std::vector<std::wstring>& installed, FontCatalog& fonts,
                                              const std::vector<std::wstring>& listed) {
    std::vector<MarkedFamily> marked;
    for (const std::wstring& family : installed) {
        const auto seen = [&](const MarkedFamily& each) { return each.family == family; };
        if (std::any_of(marked.begin(), marked.end(), seen)) continue;
        if (!WritesBengali(fonts, family)) continue;
        marked.push_back({family, std::find(listed.begin(), listed.end(), family) != listed.end()});
    }
    return marked;
}
