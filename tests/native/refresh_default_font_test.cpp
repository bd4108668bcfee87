#include "repair/refresh_default_font.h"

#include <gtest/gtest.h>

#include "repair_fakes.h"

namespace {

// The label and nothing else of the window.
struct Label {
    CallLog log;
    FakeMainWindow window{log};
    std::wstring caption() const { return window.caption; }
};

void PutSubstitute(MemoryRegistry& registry, RegistryValue value) {
    const auto& row = SubstituteSettings::kSubstitute;
    registry.Put(row.root, row.path, row.name, std::move(value));
}

}  // namespace

TEST(RefreshDefaultFont, MissingValueMeansVrinda) {
    MemoryRegistry registry;
    Label label;
    EXPECT_EQ(RefreshDefaultFont(registry, label.window), L"Vrinda");
    EXPECT_EQ(label.caption(), L"Default Font is - Vrinda");
}

TEST(RefreshDefaultFont, ShowsTheSubstituteWithItsBlanks) {
    MemoryRegistry registry;
    mRegistry::WriteRegistryText(registry, RegistryRoot::LocalMachine,
                                 L"software\\microsoft\\windows nt\\currentversion\\fontsubstitutes", L"VRINDA",
                                 L"  Likhan ");
    Label label;
    EXPECT_EQ(RefreshDefaultFont(registry, label.window), L"  Likhan ");
    EXPECT_EQ(label.caption(), L"Default Font is -   Likhan ");
    // Reading twice changes nothing and writes nothing.
    registry.writes.clear();
    EXPECT_EQ(RefreshDefaultFont(registry, label.window), L"  Likhan ");
    EXPECT_EQ(label.caption(), L"Default Font is -   Likhan ");
    EXPECT_EQ(label.log.size(), 2u);
    EXPECT_TRUE(registry.writes.empty());
}

TEST(RefreshDefaultFont, EmptyOrUnreadableValueMeansVrinda) {
    for (const RegistryValue& value : {RegistryValue{RegistryType::String, {0, 0}},
                                       RegistryValue{RegistryType::Dword, {1, 0, 0, 0}},
                                       RegistryValue{RegistryType::ExpandString, {'A', 0, 0, 0}}}) {
        MemoryRegistry registry;
        PutSubstitute(registry, value);
        Label label;
        EXPECT_EQ(RefreshDefaultFont(registry, label.window), L"Vrinda");
        EXPECT_EQ(label.caption(), L"Default Font is - Vrinda");
    }
}

TEST(RefreshDefaultFont, BinaryValueShowsAsNumber) {
    MemoryRegistry registry;
    PutSubstitute(registry, {RegistryType::Binary, {0xFF, 0xFF}});
    Label label;
    EXPECT_EQ(RefreshDefaultFont(registry, label.window), L"-1");
    EXPECT_EQ(label.caption(), L"Default Font is - -1");
}
