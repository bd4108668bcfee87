#include "app/frm_main.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "child_by_id.h"
#include "pump_messages.h"
#include "live_gdi_objects.h"
#include "platform/unique_handle.h"

namespace {

struct Loaded {
    long gdiObjects = -1;  // what the loaded window holds
    long families = -1;    // entries of the font list
};

Loaded LoadMainWindow() {
    Loaded loaded;
    const long before = LiveGdiObjects();
    std::unique_ptr<frmMain> form = frmMain::Create(GetModuleHandleW(nullptr));
    if (!form || !form->Load()) return loaded;
    loaded.gdiObjects = LiveGdiObjects() - before;
    loaded.families = static_cast<long>(SendMessageW(ChildById(form->hwnd(), ControlId::comFont), CB_GETCOUNT, 0, 0));
    form.reset();
    PumpMessages();
    return loaded;
}

// The hundred families the build makes (scripts/make-font-families), loaded
// into this process only while the object lives.
class GeneratedFamilies {
public:
    GeneratedFamilies() {
        std::wstring folder = _wgetenv(L"GLYPHOR_BUILD") ? _wgetenv(L"GLYPHOR_BUILD") : L"";
        for (auto& ch : folder)
            if (ch == L'/') ch = L'\\';
        folder = L"Z:" + folder + L"\\test-fonts\\families";
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() != L".ttf") continue;
            const std::wstring file = entry.path().wstring();
            if (AddFontResourceExW(file.c_str(), FR_PRIVATE, nullptr) == 0) continue;
            files_.push_back(file);
            // These copies have the Bengali runs; the others do not.
            if (entry.path().filename().wstring().starts_with(L"JamrulCopy")) ++bengali_;
        }
    }
    ~GeneratedFamilies() {
        for (const std::wstring& file : files_) RemoveFontResourceExW(file.c_str(), FR_PRIVATE, nullptr);
    }
    long count() const { return static_cast<long>(files_.size()); }
    long bengali() const { return bengali_; }

private:
    std::vector<std::wstring> files_;
    long bengali_ = 0;
};

}  // namespace

TEST(MainWindowGdiObjects, DoNotGrowWithTheNumberOfFontFamilies) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    {
        const long before = LiveGdiObjects();
        std::vector<unique_hfont> fonts;
        for (int i = 0; i < 8; ++i) fonts.emplace_back(CreateFontW(12 + i, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                                                                   0, 0, 0, 0, L"Tahoma"));
        ASSERT_EQ(LiveGdiObjects(), before + 8) << "cannot count this process's GDI objects";
    }

    // The first window also makes what the process keeps for good (cached
    // brushes, theme data), so the comparison starts with the second.
    ASSERT_GE(LoadMainWindow().families, 0);
    const Loaded few = LoadMainWindow();
    ASSERT_GE(few.families, 0);
    const GeneratedFamilies many;
    ASSERT_EQ(many.count(), 100);
    const Loaded more = LoadMainWindow();
    ASSERT_GE(more.families, 0);

    EXPECT_EQ(more.families - few.families, many.bengali());
    EXPECT_LE(more.gdiObjects, few.gdiObjects + 4)
        << "a main window holds " << few.gdiObjects << " GDI objects with " << few.families << " listed families, "
        << more.gdiObjects << " with " << more.families;
}
