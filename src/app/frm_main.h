#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "common/main_window_controls.h"
#include "repair/repair_services.h"
#include "app/main_layout.h"
#include "app/preview_font_cache.h"
#include "platform/win32_single_instance.h"
#include "app/startup.h"
#include "platform/unique_handle.h"
#include "platform/win32_create_font.h"
#include "platform/win32_registry.h"
#include "platform/win32_window_base.h"

// The main window: its controls, its load and its keyboard handling.
class frmMain final : public Win32WindowBase<frmMain>, public MainWindowControls, private StartupSteps {
public:
    // Makes the window and all its controls, hidden. Null when Windows refuses.
    static std::unique_ptr<frmMain> Create(HINSTANCE instance);
    ~frmMain() override;

    // Runs the start-up sequence on the hidden window. False when the program
    // is to end at once.
    bool Load();

    // Shows the window centred on the screen, the focus on cmdFix.
    void Show();

    // Keyboard navigation for a message taken from the queue: the window's
    // own tab order, then the dialog keys. True when the message was used.
    bool PreTranslateMessage(MSG& message);

    std::wstring FontChoiceText() const override;
    bool SmoothingTicked() const override;
    bool InternetExplorerTicked() const override;
    bool BrowsersTicked() const override;
    void SetDefaultFontCaption(std::wstring_view caption) override;
    void FocusFontChoice() override;

private:
    friend Win32WindowBase<frmMain>;
    static constexpr const wchar_t* kWindowClass = L"GlyphorMain";
    static HBRUSH WindowBackground() { return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); }

    frmMain() = default;

    bool AnotherInstanceRunning() override;
    bool IsAdministrator() override;
    void ShowDefaultFont() override;
    void FillFontList() override;
    void InstallIcon() override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    bool CreateControls(HINSTANCE instance);
    // Fonts, controls and window size for the DPI; with a suggestion from
    // Windows (a move to another monitor) the window goes near it.
    void LayOut(int dpi, const RECT* suggested);
    void FitClosedComboHeight(int wanted);
    void DrawFontListItem(const DRAWITEMSTRUCT& item);
    void AddTooltip(HWND control, const wchar_t* text);
    bool MoveFocusInTabOrder(bool backwards);
    // Runs Fix It or Restore over the machine's registry, files and fonts.
    void RunRepair(void (*operation)(MainWindowControls&, RepairServices));

    MainLayout layout_;
    unique_hfont font_;
    // At most two screens of list entries' worth of sample fonts.
    PreviewFontCache<unique_hfont> previewFonts_{32, [this](std::wstring_view family) {
        return CreateRegularFont(family, -layout_.sampleEmHeight, DEFAULT_CHARSET);
    }};
    HWND lblDefFont_ = nullptr;
    HWND Frame1_ = nullptr;
    HWND lblFont_ = nullptr;
    HWND comFont_ = nullptr;
    HWND Picture1_ = nullptr;
    HWND chkFS_ = nullptr;
    HWND chkIE_ = nullptr;
    HWND chkBrowsers_ = nullptr;
    HWND cmdFix_ = nullptr;
    HWND cmdDef_ = nullptr;
    HWND Command1_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
    // The controls Tab visits, in order; labels, frame and panel take no focus.
    std::array<HWND, 7> tabOrder_{};
    SingleInstance instance_;
    Win32Registry registry_;
};
