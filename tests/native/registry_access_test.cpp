#include "platform/registry_access.h"

#include <gtest/gtest.h>

#include "memory_registry.h"

using namespace mRegistry;

namespace {

RegistryValue Bytes(std::uint32_t type, std::vector<std::uint8_t> data) { return {type, std::move(data)}; }

constexpr auto kRoot = RegistryRoot::LocalMachine;
constexpr std::wstring_view kPath = L"SOFTWARE\\Test\\Deep\\Path";

}  // namespace

// A REG_SZ up to its first NUL, a one- or two-byte REG_BINARY as a decimal
// number, anything else as the empty text.
TEST(QueryValueText, ReadsEachTypeAsTheProgramShowsIt) {
    struct Case {
        const char* name;
        RegistryValue value;
        std::wstring text;
    };
    const Case cases[] = {
        {"text with its NUL", Bytes(RegistryType::String, {'A', 0, 'b', 0, 0, 0}), L"Ab"},
        {"text cut at its first NUL", Bytes(RegistryType::String, {'A', 0, 0, 0, 'b', 0, 0, 0}), L"A"},
        {"the NUL alone", Bytes(RegistryType::String, {0, 0}), L""},
        {"text without a NUL reads whole", Bytes(RegistryType::String, {'X', 0, 'y', 0}), L"Xy"},
        {"no bytes", Bytes(RegistryType::String, {}), L""},
        {"a stray odd byte is not half a character", Bytes(RegistryType::String, {'X', 0, 'y'}), L"X"},
        // U+0985 BENGALI LETTER A, then a surrogate pair for U+1F600.
        {"characters outside any ANSI code page", Bytes(RegistryType::String, {0x85, 0x09, 0x3D, 0xD8, 0x00, 0xDE, 0, 0}),
         std::wstring({wchar_t(0x0985), wchar_t(0xD83D), wchar_t(0xDE00)})},
        {"two bytes, signed", Bytes(RegistryType::Binary, {0xFF, 0xFF}), L"-1"},
        {"one byte", Bytes(RegistryType::Binary, {7}), L"7"},
        {"one byte, unsigned", Bytes(RegistryType::Binary, {0xFF}), L"255"},
        {"two bytes, little-endian", Bytes(RegistryType::Binary, {0x34, 0x12}), L"4660"},
        {"two bytes, the lowest", Bytes(RegistryType::Binary, {0x00, 0x80}), L"-32768"},
        {"three bytes", Bytes(RegistryType::Binary, {1, 2, 3}), L""},
        {"a long blob", Bytes(RegistryType::Binary, std::vector<std::uint8_t>(4096, 0xAB)), L""},
        {"an empty blob", Bytes(RegistryType::Binary, {}), L""},
        {"a number", Bytes(RegistryType::Dword, {2, 0, 0, 0}), L""},
        {"an expandable text", Bytes(RegistryType::ExpandString, {'A', 0, 0, 0}), L""},
        {"a list", Bytes(RegistryType::MultiString, {'A', 0, 0, 0, 0, 0}), L""},
    };
    for (const Case& c : cases) EXPECT_EQ(QueryValueText(c.value), c.text) << c.name;
}

TEST(RegistryAccess, MissingKeyOrValueReadsEmpty) {
    MemoryRegistry registry;
    EXPECT_EQ(ReadRegistryText(registry, kRoot, kPath, L"Vrinda"), L"");
    registry.Put(kRoot, kPath, L"Other", Bytes(RegistryType::String, {'x', 0, 0, 0}));
    EXPECT_EQ(ReadRegistryText(registry, kRoot, kPath, L"Vrinda"), L"");
}

TEST(RegistryAccess, TextRoundTripsWithTerminatingNul) {
    MemoryRegistry registry;
    ASSERT_TRUE(WriteRegistryText(registry, kRoot, kPath, L"Vrinda", L" Likhan "));
    const auto* stored = registry.Find(kRoot, kPath, L"Vrinda");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(*stored, Bytes(RegistryType::String, {' ', 0, 'L', 0, 'i', 0, 'k', 0, 'h', 0, 'a', 0, 'n', 0, ' ', 0, 0, 0}));
    EXPECT_EQ(ReadRegistryText(registry, kRoot, kPath, L"vrinda"), L" Likhan ");
}

TEST(RegistryAccess, EmptyTextIsStoredAsItsNulAlone) {
    MemoryRegistry registry;
    ASSERT_TRUE(WriteRegistryText(registry, kRoot, kPath, L"Vrinda", L""));
    EXPECT_EQ(*registry.Find(kRoot, kPath, L"Vrinda"), Bytes(RegistryType::String, {0, 0}));
}

TEST(RegistryAccess, NumberIsFourLittleEndianBytes) {
    MemoryRegistry registry;
    ASSERT_TRUE(WriteRegistryDword(registry, RegistryRoot::Users, kPath, L"FontSmoothingType", 0x01020304));
    EXPECT_EQ(*registry.Find(RegistryRoot::Users, kPath, L"FontSmoothingType"),
              Bytes(RegistryType::Dword, {4, 3, 2, 1}));
    // A number is not text to a reader.
    EXPECT_EQ(ReadRegistryText(registry, RegistryRoot::Users, kPath, L"FontSmoothingType"), L"");
}

TEST(RegistryAccess, FailedWriteIsReported) {
    MemoryRegistry registry;
    registry.Refuse(L"Vrinda");
    registry.Refuse(L"N");
    EXPECT_FALSE(WriteRegistryText(registry, kRoot, kPath, L"Vrinda", L"Likhan"));
    EXPECT_FALSE(WriteRegistryDword(registry, kRoot, kPath, L"N", 2));
    EXPECT_EQ(registry.Find(kRoot, kPath, L"Vrinda"), nullptr);
}

TEST(RegistryAccess, MultiStringsKeepEveryStringAndTheDoubleNul) {
    const RegistryValue two = MultiStringValue({L"A,B", L"C"});
    EXPECT_EQ(two, (RegistryValue{RegistryType::MultiString, {'A', 0, ',', 0, 'B', 0, 0, 0, 'C', 0, 0, 0, 0, 0}}));
    EXPECT_EQ(QueryValueStrings(two), (std::vector<std::wstring>{L"A,B", L"C"}));
    EXPECT_EQ(MultiStringValue({}), (RegistryValue{RegistryType::MultiString, {0, 0}}));
    EXPECT_TRUE(QueryValueStrings(MultiStringValue({})).empty());

    // Long lists survive whole; Windows' own links run to dozens of entries.
    std::vector<std::wstring> many;
    for (int i = 0; i < 400; ++i) many.push_back(L"FONT" + std::to_wstring(i) + L".TTF,Face " + std::to_wstring(i));
    EXPECT_EQ(QueryValueStrings(MultiStringValue(many)), many);

    // Data written by others: no closing NUL, an odd byte, an empty string inside.
    EXPECT_EQ(QueryValueStrings({RegistryType::MultiString, {'A', 0, 0, 0, 'B', 0}}),
              (std::vector<std::wstring>{L"A", L"B"}));
    EXPECT_EQ(QueryValueStrings({RegistryType::MultiString, {'A', 0, 0, 0, 0, 0, 'B', 0, 0, 0, 0}}),
              (std::vector<std::wstring>{L"A"}));
    EXPECT_TRUE(QueryValueStrings({RegistryType::String, {'A', 0, 0, 0}}).empty());
}
