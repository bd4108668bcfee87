#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"

using namespace driver;

namespace {

struct Build {
    const wchar_t* exe;
    const char* architecture;
};

// The 32-bit release sits beside the 64-bit build tree.
const Build kBuilds[] = {{L"glyphor.exe", "amd64"}, {L"../win32/glyphor.exe", "x86"}};

class Resources : public ::testing::TestWithParam<Build> {
protected:
    void SetUp() override {
        path = BuildPath(GetParam().exe);
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "not built";
        module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }

    std::string Resource(const wchar_t* type, const wchar_t* name) {
        HRSRC found = FindResourceExW(module, type, name, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        if (!found) return {};
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }

    std::wstring path;
    HMODULE module = nullptr;
};

}  // namespace

TEST_P(Resources, VersionRecordNamesTheProduct) {
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000004u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000004u);
    EXPECT_EQ(fixed->dwFileOS, 4u);
    EXPECT_EQ(fixed->dwFileType, 1u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &size));
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"CompanyName", L"Orrinel"},
        {L"FileDescription", L"A simple tool for fixing Vrinda"},
        {L"LegalTrademarks", L"Orrinel"},
        {L"ProductName", L"Glyphor"},
        {L"FileVersion", L"1.00.0004"},
        {L"ProductVersion", L"1.00.0004"},
        {L"InternalName", L"glyphor_" GLYPHOR_VERSION},
        {L"OriginalFilename", L"glyphor_" GLYPHOR_VERSION L".exe"},
    };
    for (const auto& [key, expected] : strings) {
        wchar_t* value = nullptr;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &size)) << key;
        EXPECT_STREQ(value, expected);
    }
    wchar_t* copyright = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\LegalCopyright",
                               reinterpret_cast<void**>(&copyright), &size));
    EXPECT_NE(std::wstring(copyright).find(L"Orrinel"), std::wstring::npos);

    // VarFileInfo comes first in the record.
    const std::string raw = Resource(MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1));
    const std::string var(reinterpret_cast<const char*>(L"VarFileInfo"), 22);
    const std::string str(reinterpret_cast<const char*>(L"StringFileInfo"), 28);
    ASSERT_NE(raw.find(var), std::string::npos);
    EXPECT_LT(raw.find(var), raw.find(str));
}

TEST_P(Resources, ManifestAsksForCommonControlsSixAndElevation) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    const std::string arch = std::string("processorArchitecture=\"") + GetParam().architecture + "\"";
    EXPECT_NE(manifest.find("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.MyCoolApp\" " + arch + " version=\"3.3.4.75\""),
              std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" " + arch +
                            " publicKeyToken=\"6595b64144ccf1df\" language=\"*\""),
              std::string::npos);
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_EQ(manifest.find("\n"), manifest.find("\r\n") + 1) << "lines end in CR LF";
}

TEST_P(Resources, AppIconHasFourTrueColourImages) {
    const std::string group = Resource(MAKEINTRESOURCEW(14), L"APPICON");
    ASSERT_EQ(group.size(), 6u + 4 * 14);
#pragma pack(push, 2)
    struct Entry {
        BYTE width, height, colours, reserved;
        WORD planes, bits;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    const auto* words = reinterpret_cast<const WORD*>(group.data());
    EXPECT_EQ(words[0], 0);
    EXPECT_EQ(words[1], 1);
    ASSERT_EQ(words[2], 4);
    const auto* entries = reinterpret_cast<const Entry*>(group.data() + 6);
    const int sizes[] = {16, 24, 32, 48};
    const DWORD bytes[] = {1128, 2440, 4264, 9640};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(entries[i].width, sizes[i]);
        EXPECT_EQ(entries[i].height, sizes[i]);
        EXPECT_EQ(entries[i].bits, 32);
        EXPECT_EQ(entries[i].planes, 1);
        EXPECT_EQ(entries[i].bytes, bytes[i]);
        const std::string image = Resource(MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(entries[i].id));
        ASSERT_EQ(image.size(), bytes[i]);
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
        EXPECT_EQ(header->biSize, 40u);
        EXPECT_EQ(header->biHeight, 2 * sizes[i]);
        EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, Resources, ::testing::ValuesIn(kBuilds),
                         [](const auto& test) { return std::string(test.param.architecture); });
