#include "app/frm_main.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/control_ids.h"
#include "app/win32_message_box_prompts.h"
#include "repair/refresh_default_font.h"
#include "about/frm_about.h"
#include "platform/twips.h"
#include "fonts/win32_enumerate_bengali_families.h"
#include "fonts/win32_font_catalog.h"
#include "platform/win32_is_administrator.h"
#include "platform/win32_restart_dialog.h"
#include "platform/win32_window_icon.h"
#include "platform/win32_font_files.h"
#include "platform/win32_windows_version.h"
#include "repair/fix_default_font.h"
#include "repair/restore_default_font.h"

namespace {

constexpr wchar_t kMainClass[] = L"GlyphorMain";
constexpr wchar_t kPanelClass[] = L"GlyphorPanel";
constexpr wchar_t kCaption[] = L"Glyphor by Orrinel";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr int kClientWidthTwips = 3420;
constexpr int kClientHeightTwips = 3045;

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

bool RegisterClasses(HINSTANCE instance, WNDPROC mainProc) {
    WNDCLASSEXW main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = mainProc;
    main.hInstance = instance;
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = kMainClass;

    WNDCLASSEXW panel = main;
    panel.lpfnWndProc = PanelProc;
    panel.lpszClassName = kPanelClass;

    // A second registration fails with ERROR_CLASS_ALREADY_EXISTS, which is fine.
    for (const WNDCLASSEXW* cls : {&main, &panel}) {
        if (!RegisterClassExW(cls) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    }
    return true;
}

int ScreenDpi() {
    unique_window_dc screen(nullptr);
    return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

std::unique_ptr<frmMain> frmMain::Create(HINSTANCE instance) {
    if (!RegisterClasses(instance, WindowProc)) return nullptr;
    std::unique_ptr<frmMain> form(new frmMain);
    const int dpi = ScreenDpi();

    RECT outer{0, 0, TwipsToPixels(kClientWidthTwips, dpi), TwipsToPixels(kClientHeightTwips, dpi)};
    AdjustWindowRectEx(&outer, kMainStyle, FALSE, 0);
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kMainClass, kCaption, kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                                  form.get());
    if (!window) return nullptr;

    LOGFONTW face{};
    face.lfHeight = -PointsToPixels(975, dpi);  // 9.75 pt
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = ANSI_CHARSET;
    lstrcpynW(face.lfFaceName, L"Trebuchet MS", LF_FACESIZE);
    form->font_.reset(CreateFontIndirectW(&face));

    if (!form->CreateControls(instance)) return nullptr;
    return form;
}

// The window goes first, while the font its controls use still exists.
frmMain::~frmMain() { window_.reset(); }

bool frmMain::CreateControls(HINSTANCE instance) {
    const int dpi = ScreenDpi();
    const auto add = [&](HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, int id,
                         int left, int top, int width, int height) {
        HWND control = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                       TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
                                       TwipsToPixels(height, dpi), parent, reinterpret_cast<HMENU>(INT_PTR{id}),
                                       instance, nullptr);
        if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        return control;
    };
    HWND main = window_.get();

    lblDefFont_ = add(main, WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, 0, ControlId::lblDefFont, 120, 120, 3135, 255);
    Frame1_ = add(main, WC_BUTTONW, L":: Choose your font  ::", BS_GROUPBOX, WS_EX_CONTROLPARENT, ControlId::Frame1, 90,
                  480, 3240, 2460);
    if (Frame1_) SetWindowSubclass(Frame1_, FrameSubclassProc, 0, 0);
    lblFont_ = add(Frame1_, WC_STATICW, L"Font Name: (e.g.- Bangla)", SS_LEFT, 0, ControlId::lblFont, 225, 315, 2670,
                   330);
    // The drop-down part gets room for a dozen entries; the closed height is set below.
    comFont_ = add(Frame1_, WC_COMBOBOXW, L"", CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0,
                   ControlId::comFont, 120, 675, 3015, 390 + 12 * 255);
    Picture1_ = add(Frame1_, kPanelClass, L"", 0, WS_EX_CONTROLPARENT, ControlId::Picture1, 120, 1080, 3045, 1335);
    chkFS_ = add(Picture1_, WC_BUTTONW, L" Enable Font Smoothing", BS_AUTOCHECKBOX | WS_TABSTOP, 0, ControlId::chkFS,
                 120, 80, 2895, 270);
    chkIE_ = add(Picture1_, WC_BUTTONW, L" Set as IE Default for Bengali", BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                 ControlId::chkIE, 120, 400, 2895, 270);
    cmdFix_ = add(Picture1_, WC_BUTTONW, L"&Fix It", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::cmdFix, 120, 840, 885,
                  420);
    cmdDef_ = add(Picture1_, WC_BUTTONW, L"&Restore", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::cmdDef, 1080, 840, 915,
                  420);
    Command1_ = add(Picture1_, WC_BUTTONW, L"&About", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::Command1, 2040, 840,
                    885, 420);
    for (HWND control : {lblDefFont_, Frame1_, lblFont_, comFont_, Picture1_, chkFS_, chkIE_, cmdFix_, cmdDef_,
                         Command1_}) {
        if (!control) return false;
    }

    SetWindowTextW(comFont_, std::wstring(kFontChoicePlaceholder).c_str());
    SendMessageW(chkFS_, BM_SETCHECK, BST_CHECKED, 0);

    // A closed combo box is as tall as its font makes it; size its selection
    // field so that the control keeps its designed height. How the field maps
    // to the whole differs between implementations, hence the re-measuring.
    const int wanted = TwipsToPixels(390, dpi);
    auto field = static_cast<int>(SendMessageW(comFont_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
        RECT closed;
        GetWindowRect(comFont_, &closed);
        const int height = closed.bottom - closed.top;
        if (height == wanted || field + wanted - height <= 0) break;
        field += wanted - height;
        SendMessageW(comFont_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }

    tabOrder_ = {cmdFix_, Command1_, chkFS_, comFont_, cmdDef_, chkIE_};

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr,
                               instance, nullptr);
    AddTooltip(comFont_, L"Choose a Font from the list");
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(comFont_, &combo) && combo.hwndItem) AddTooltip(combo.hwndItem, L"Choose a Font from the list");
    AddTooltip(chkFS_, L"Activate Microsoft ClearType");
    AddTooltip(chkIE_, L"Also set it as default font of Internet Explorer for Bengali locale");
    AddTooltip(cmdDef_, L"Restore Vrinda as Default");
    return true;
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
    GetWindowRect(window_.get(), &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window_.get(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_.get(), SW_SHOWNORMAL);
    UpdateWindow(window_.get());
    SetFocus(cmdFix_);
    lastFocus_ = cmdFix_;
}

bool frmMain::PreTranslateMessage(MSG& message) {
    HWND main = window_.get();
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
            SendMessageW(window_.get(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
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
    unique_window_dc dc(window_.get());
    if (!dc) return;
    for (const std::wstring& family : mFontEnum::EnumerateBengaliFamilies(dc.get()))
        SendMessageW(comFont_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(family.c_str()));
}

void frmMain::RunRepair(void (*operation)(MainWindowControls&, RepairServices)) {
    MessageBoxPrompts prompts(window_.get());
    Win32FontFiles files;
    Win32FontCatalog fonts;
    mRestart::ShellRestartPrompt restart(window_.get());
    operation(*this, {registry_, files, fonts, prompts, restart, ReadWindowsVersion()});
}

void frmMain::InstallIcon() { mMain::SetWindowIcon(window_.get(), L"APPICON", true); }

LRESULT CALLBACK frmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_.release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    HWND window = window_.get();
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
    return DefWindowProcW(window, message, wParam, lParam);
}
