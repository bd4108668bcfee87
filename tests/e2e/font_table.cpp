#include "font_table.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver.h"

namespace driver {
namespace {

std::wstring FromUtf8(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

}  // namespace

std::vector<FontFacts> ReadFontTable(const std::wstring& name) {
    std::vector<FontFacts> table;
    std::ifstream in(std::filesystem::path(BuildPath(L"test-fonts/" + name)), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string file, family, verdict;
        if (!std::getline(fields, file, '\t') || !std::getline(fields, family, '\t') || !std::getline(fields, verdict))
            continue;
        table.push_back({WindowsPath(FromUtf8(file)), FromUtf8(family), verdict == "bengali"});
    }
    return table;
}

}  // namespace driver
