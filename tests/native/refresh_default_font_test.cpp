#include "repair/refresh_default_font.h"

#include <gtest/gtest.h>

#include "common/main_window_controls.h"
#include "memory_registry.h"
#include "platform/registry_access.h"
#include "repair/substitute_settings.h"

namespace {

class Label final : public MainWindowControls {
public:
    std::wstring FontChoiceText() const override { return {}; }
    bool SmoothingTicked() const override { return false; }
    bool InternetExplorerTicked() const override { return false; }
    void SetDefaultFontCaption(std::wstring_view text) override {
        caption = text;
        ++updates;
    }
    void FocusFontChoice() override {}
    std::wstring caption = L"earlier caption";
    int updates = 0;
};

void PutSubstitute(MemoryRegistry& registry, RegistryValue value) {
    const auto& row = SubstituteSettings::kSubstitute;
    registry.Put(row.root, row.path, row.name, std::move(value));
}

}  // namespace

TEST(RefreshDefaultFont, MissingValueMeansVrinda) {
    MemoryRegistry registry;
    Label label;
    EXPECT_EQ(RefreshDefaultFont(registry, label), L"Vrinda");
    EXPECT_EQ(label.caption, L"Default Font is - Vrinda");
}

TEST(RefreshDefaultFont, ShowsTheSubstituteWithItsBlanks) {
    MemoryRegistry registry;
    mRegistry::WriteRegistryText(registry, RegistryRoot::LocalMachine,
                                 L"software\\microsoft\\windows nt\\currentversion\\fontsubstitutes", L"VRINDA",
                                 L"  Likhan ");
    Label label;
    EXPECT_EQ(RefreshDefaultFont(registry, label), L"  Likhan ");
    EXPECT_EQ(label.caption, L"Default Font is -   Likhan ");
    // Reading twice changes nothing and writes nothing.
    registry.writes.clear();
    EXPECT_EQ(RefreshDefaultFont(registry, label), L"  Likhan ");
    EXPECT_EQ(label.caption, L"Default Font is -   Likhan ");
    EXPECT_EQ(label.updates, 2);
    EXPECT_TRUE(registry.writes.empty());
}

TEST(RefreshDefaultFont, EmptyOrUnreadableValueMeansVrinda) {
    for (const RegistryValue& value : {RegistryValue{RegistryType::String, {0, 0}},
                                       RegistryValue{RegistryType::Dword, {1, 0, 0, 0}},
                                       RegistryValue{RegistryType::ExpandString, {'A', 0, 0, 0}}}) {
        MemoryRegistry registry;
        PutSubstitute(registry, value);
        Label label;
        EXPECT_EQ(RefreshDefaultFont(registry, label), L"Vrinda");
        EXPECT_EQ(label.caption, L"Default Font is - Vrinda");
    }
}

TEST(RefreshDefaultFont, BinaryValueShowsAsNumber) {
    MemoryRegistry registry;
    PutSubstitute(registry, {RegistryType::Binary, {0xFF, 0xFF}});
    Label label;
    EXPECT_EQ(RefreshDefaultFont(registry, label), L"-1");
    EXPECT_EQ(label.caption, L"Default Font is - -1");
}
