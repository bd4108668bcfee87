#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "driver.h"
#include "font_table.h"
#include "prefix_fonts.h"

using namespace driver;

namespace {

// What fontTools says about the fonts a prefix may hold (tests/fonts).
constexpr wchar_t kWineFonts[] = L"wine-fonts.tsv";            // in every prefix
constexpr wchar_t kDebianBengaliFonts[] = L"bengali-fonts.tsv";
constexpr wchar_t kGeneratedFamilies[] = L"families.tsv";      // a hundred renamed copies

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return CB_ERR;
    return static_cast<LRESULT>(result);
}

// The entries of another process's combo box list, in list order.
std::vector<std::wstring> ListOf(HWND combo) {
    std::vector<std::wstring> entries;
    const LRESULT count = Send(combo, CB_GETCOUNT);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
        if (length == CB_ERR) break;
        std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied =
            Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
        entries.push_back(entry);
    }
    return entries;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

class FontListEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(HideHostFonts()) << "run with FONTCONFIG_FILE=tests/support/no-host-fonts.conf";
        for (const wchar_t* table : {kWineFonts, kDebianBengaliFonts, kGeneratedFamilies}) {
            const std::vector<FontFacts> fonts = ReadFontTable(table);
            ASSERT_FALSE(fonts.empty()) << ::testing::PrintToString(std::wstring(table));
            for (const FontFacts& font : fonts) facts_.emplace(Lower(FileName(font.file)), font);
        }
    }

    static void Install(InstalledFonts& installed, const wchar_t* table) {
        for (const FontFacts& font : ReadFontTable(table))
            ASSERT_TRUE(installed.Install(font.file)) << ::testing::PrintToString(font.file);
    }

    // The Bengali families among the files in the prefix's fonts folder, by
    // the files' own character maps, in the order of a sorted list box.
    std::vector<std::wstring> ExpectedList() const {
        std::vector<std::wstring> families;
        for (const auto& entry : std::filesystem::directory_iterator(FontsFolder())) {
            if (!entry.is_regular_file()) continue;
            const std::wstring file = entry.path().filename().wstring();
            const auto [first, last] = facts_.equal_range(Lower(file));
            if (first == last) ADD_FAILURE() << "nothing known about the font " << ::testing::PrintToString(file);
            for (auto it = first; it != last; ++it)
                if (it->second.bengali) families.push_back(it->second.family);
        }

        const auto before = [](const std::wstring& a, const std::wstring& b) {
            return lstrcmpiW(a.c_str(), b.c_str()) < 0;
        };
        std::sort(families.begin(), families.end(), before);
        families.erase(std::unique(families.begin(), families.end()), families.end());
        return families;
    }

    std::multimap<std::wstring, FontFacts> facts_;  // by lower-case file name
};

}  // namespace

TEST_F(FontListEndToEnd, ListsExactlyTheInstalledFamiliesWithTheBengaliRuns) {
    InstalledFonts installed;
    ASSERT_NO_FATAL_FAILURE(Install(installed, kDebianBengaliFonts));
    const std::vector<std::wstring> expected = ExpectedList();
    ASSERT_FALSE(expected.empty()) << "no Debian font has the Bengali runs";

    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);
    EXPECT_EQ(ListOf(ChildById(glyphor.window, ControlId::comFont)), expected);
}

TEST_F(FontListEndToEnd, ListsAHundredMoreFamiliesOnceEachInDictionaryOrder) {
    InstalledFonts installed;
    ASSERT_NO_FATAL_FAILURE(Install(installed, kDebianBengaliFonts));
    ASSERT_NO_FATAL_FAILURE(Install(installed, kGeneratedFamilies));
    const std::vector<std::wstring> expected = ExpectedList();
    ASSERT_GE(expected.size(), 50u);

    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);
    EXPECT_EQ(ListOf(ChildById(glyphor.window, ControlId::comFont)), expected);
}

TEST_F(FontListEndToEnd, WithoutABengaliFontTheListIsEmptyAndTheWindowOpens) {
    ASSERT_EQ(ExpectedList(), std::vector<std::wstring>{});

    StartedGlyphor glyphor;
    ASSERT_NE(glyphor.window, nullptr);
    EXPECT_TRUE(IsWindowVisible(glyphor.window));
    const HWND combo = ChildById(glyphor.window, ControlId::comFont);
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 0);
    EXPECT_EQ(TextOf(combo), L"Choose a Font from the list");
}
