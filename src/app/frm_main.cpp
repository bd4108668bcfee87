#include "app/frm_main.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/control_ids.h"
#include "app/win32_message_box_prompts.h"
#include "repair/refresh_default_font.h"
#include "about/frm_about.h"
#include "fonts/win32_enumerate_bengali_families.h"
#include "fonts/win32_font_catalog.h"
#include "platform/win32_is_administrator.h"
#include "platform/win32_restart_dialog.h"
#include "platform/win32_window_icon.h"
#include "platform/win32_font_files.h"
#include "platform/win32_windows_version.h"
#include "platform/win32_create_font.h"
#include "platform/win32_dpi.h"
#include "repair/fix_default_font.h"
#include "repair/restore_default_font.h"

namespace {

constexpr wchar_t kMainClass[] = L"GlyphorMain";
constexpr wchar_t kPanelClass[] = L"GlyphorPanel";
constexpr wchar_t kCaption[] = L"Glyphor by Orrinel";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

// Containers pass their children's notifications and colour requests on, so
// that the main window sees them as if the controls were its own.
bool ForwardsToParent(UINT message) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ForwardsToParent(message)) return SendMessageW(GetParent(window), message, wParam, lParam);
    // The panel keeps the font it is given, like any control.
    if (message == WM_SETFONT) {
        SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    }
    if (message == WM_GETFONT) return GetWindowLongPtrW(window, GWLP_USERDATA);
    if (message == WM_PRINTCLIENT) {
        // Themed check boxes paint their background through their parent.
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FrameSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (ForwardsToParent(message)) return SendMessageW(GetParent(window), message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

// The panel keeps no state of its own, so it needs no object behind it.
bool RegisterPanelClass(HINSTANCE instance) {
    static const ATOM atom = [instance] {
        WNDCLASSEXW panel{};
        panel.cbSize = sizeof panel;
        panel.lpfnWndProc = PanelProc;
        panel.hInstance = instance;
        panel.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        panel.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        panel.lpszClassName = kPanelClass;
        return RegisterClassExW(&panel);
    }();
    return atom != 0;
}

}  // namespace

std::unique_ptr<frmMain> frmMain::Create(HINSTANCE instance) {
    if (!RegisterPanelClass(instance)) return nullptr;
    std::unique_ptr<frmMain> form(new frmMain);
    const int dpi = ReadWindowDpi(nullptr);
    const MainLayout layout = MainLayoutAt(dpi);
    const RECT outer = AddWindowFrame({0, 0, layout.clientWidth, layout.clientHeight}, kMainStyle, kMainExStyle, dpi);
    if (!form->CreateWindowNow(kMainExStyle, kCaption, kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                               outer.right - outer.left, outer.bottom - outer.top, nullptr))
        return nullptr;
    form->font_ = CreateTrebuchetFont(kMainFontHundredthsOfPoint, dpi);
    if (!form->CreateControls(instance, layout)) return nullptr;
    return form;
}

// The window goes first, while the font its controls use still exists.
frmMain::~frmMain() { DestroyWindowNow(); }

bool frmMain::CreateControls(HINSTANCE instance, const MainLayout& layout) {
    const auto add = [&](HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, int id) {
        PixelRect place = layout.RectOf(id);
        if (id == ControlId::comFont) place.bottom = place.top + layout.comboDroppedHeight;
        HWND control = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, place.left,
                                       place.top, place.right - place.left, place.bottom - place.top, parent,
                                       reinterpret_cast<HMENU>(INT_PTR{id}), instance, nullptr);
        if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        return control;
    };
    HWND main = hwnd();

    lblDefFont_ = add(main, WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, 0, ControlId::lblDefFont);
    Frame1_ = add(main, WC_BUTTONW, L":: Choose your font  ::", BS_GROUPBOX, WS_EX_CONTROLPARENT, ControlId::Frame1);
    if (Frame1_) SetWindowSubclass(Frame1_, FrameSubclassProc, 0, 0);
    lblFont_ = add(Frame1_, WC_STATICW, L"Font Name: (e.g.- Bangla)", SS_LEFT, 0, ControlId::lblFont);
    comFont_ = add(Frame1_, WC_COMBOBOXW, L"", CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0,
                   ControlId::comFont);
    Picture1_ = add(Frame1_, kPanelClass, L"", 0, WS_EX_CONTROLPARENT, ControlId::Picture1);
    chkFS_ = add(Picture1_, WC_BUTTONW, L" Enable Font Smoothing", BS_AUTOCHECKBOX | WS_TABSTOP, 0, ControlId::chkFS);
    chkIE_ = add(Picture1_, WC_BUTTONW, L" Set as IE Default for Bengali", BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                 ControlId::chkIE);
    cmdFix_ = add(Picture1_, WC_BUTTONW, L"&Fix It", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::cmdFix);
    cmdDef_ = add(Picture1_, WC_BUTTONW, L"&Restore", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::cmdDef);
    Command1_ = add(Picture1_, WC_BUTTONW, L"&About", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::Command1);
    for (HWND control : {lblDefFont_, Frame1_, lblFont_, comFont_, Picture1_, chkFS_, chkIE_, cmdFix_, cmdDef_,
                         Command1_}) {
        if (!control) return false;
    }

    SetWindowTextW(comFont_, std::wstring(kFontChoicePlaceholder).c_str());
    SendMessageW(chkFS_, BM_SETCHECK, BST_CHECKED, 0);
    const PixelRect combo = layout.RectOf(ControlId::comFont);
    FitClosedComboHeight(combo.bottom - combo.top);

    tabOrder_ = {cmdFix_, Command1_, chkFS_, comFont_, cmdDef_, chkIE_};

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main, nullptr, instance,
                               nullptr);
    AddTooltip(comFont_, L"Choose a Font from the list");
    COMBOBOXINFO comboInfo{};
    comboInfo.cbSize = sizeof comboInfo;
    if (GetComboBoxInfo(comFont_, &comboInfo) && comboInfo.hwndItem)
        AddTooltip(comboInfo.hwndItem, L"Choose a Font from the list");
    AddTooltip(chkFS_, L"Activate Microsoft ClearType");
    AddTooltip(chkIE_, L"Also set it as default font of Internet Explorer for Bengali locale");
    AddTooltip(cmdDef_, L"Restore Vrinda as Default");
    return true;
}

void frmMain::FitClosedComboHeight(int wanted) {
    // A closed combo box is as tall as its font makes it; size its selection
    // field so that the control keeps its designed height. How the field maps
    // to the whole differs between implementations, hence the re-measuring.
    auto field = static_cast<int>(SendMessageW(comFont_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
        RECT closed;
        GetWindowRect(comFont_, &closed);
        const int height = closed.bottom - closed.top;
        if (height == wanted || field + wanted - height <= 0) break;
        field += wanted - height;
        SendMessageW(comFont_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

void frmMain::AddTooltip(HWND control, const wchar_t* text) {
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    // The older structure size is understood by every version of the control.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool frmMain::Load() {
    MessageBoxPrompts prompts(nullptr);
    return RunStartup(*this, prompts) == StartupOutcome::Ready;
}

void frmMain::Show() {
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    SetFocus(cmdFix_);
    lastFocus_ = cmdFix_;
}

bool frmMain::PreTranslateMessage(MSG& message) {
    HWND main = hwnd();
    if (!main || (message.hwnd != main && !IsChild(main, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_MENU) >= 0)
        return MoveFocusInTabOrder(GetKeyState(VK_SHIFT) < 0);
    return IsDialogMessageW(main, &message) != FALSE;
}

bool frmMain::MoveFocusInTabOrder(bool backwards) {
    const HWND focus = GetFocus();
    const auto current = std::find_if(tabOrder_.begin(), tabOrder_.end(),
                                      [&](HWND control) { return control == focus || IsChild(control, focus); });
    const int count = static_cast<int>(tabOrder_.size());
    int index = current == tabOrder_.end() ? (backwards ? 0 : count - 1)
                                           : static_cast<int>(current - tabOrder_.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        HWND next = tabOrder_[static_cast<std::size_t>(index)];
        if (IsWindowEnabled(next) && IsWindowVisible(next)) {
            // Keyboard users get focus rectangles from here on, as in any dialog.
            SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            SetFocus(next);
            if (next == comFont_) SendMessageW(comFont_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            return true;
        }
    }
    return true;
}

std::wstring frmMain::FontChoiceText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(comFont_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(comFont_, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool frmMain::SmoothingTicked() const { return SendMessageW(chkFS_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool frmMain::InternetExplorerTicked() const { return SendMessageW(chkIE_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void frmMain::SetDefaultFontCaption(std::wstring_view caption) {
    SetWindowTextW(lblDefFont_, std::wstring(caption).c_str());
}

void frmMain::FocusFontChoice() { SetFocus(comFont_); }

bool frmMain::AnotherInstanceRunning() { return instance_.AnotherInstanceRunning(); }

bool frmMain::IsAdministrator() { return mAPIs::IsAdministrator(); }

void frmMain::ShowDefaultFont() { RefreshDefaultFont(registry_, *this); }

void frmMain::FillFontList() {
    unique_window_dc dc(hwnd());
    if (!dc) return;
    for (const std::wstring& family : mFontEnum::EnumerateBengaliFamilies(dc.get()))
        SendMessageW(comFont_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(family.c_str()));
}

void frmMain::RunRepair(void (*operation)(MainWindowControls&, RepairServices)) {
    MessageBoxPrompts prompts(hwnd());
    Win32FontFiles files;
    Win32FontCatalog fonts;
    mRestart::ShellRestartPrompt restart(hwnd());
    operation(*this, {registry_, files, fonts, prompts, restart, ReadWindowsVersion()});
}

void frmMain::InstallIcon() { mMain::SetWindowIcon(hwnd(), L"APPICON", true); }

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    HWND window = hwnd();
    switch (message) {
    case WM_ACTIVATE:
        // Give the focus back to the control that had it, as dialogs do.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window, focus)) lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            switch (LOWORD(wParam)) {
            case ControlId::cmdFix:
                RunRepair(FixDefaultFont);
                return 0;
            case ControlId::cmdDef:
                RunRepair(RestoreDefaultFont);
                return 0;
            case ControlId::Command1:
                ShowAboutModal(window);
                return 0;
            default:
                break;
            }
        }
        break;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_.get());
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}
