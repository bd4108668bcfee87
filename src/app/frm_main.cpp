#include "app/frm_main.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/control_ids.h"
#include "app/win32_draw_font_preview.h"
#include "app/win32_message_box_prompts.h"
#include "browsers/win32_profile_files.h"
#include "browsers/win32_user_folders.h"
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
#include "probe/drawn_fonts.h"
#include "probe/win32_font_drawing.h"
#include "repair/fix_default_font.h"
#include "repair/restore_default_font.h"

#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace {

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
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
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
    // Made without a size: LayOut gives it one at its monitor's DPI, which
    // only the window itself can tell.
    if (!form->CreateWindowNow(kMainExStyle, kCaption, kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr) ||
        !form->CreateControls(instance))
        return nullptr;
    form->LayOut(ReadWindowDpi(form->hwnd()), nullptr);
    return form;
}

// The window goes first, while the fonts its controls use still exist.
frmMain::~frmMain() { DestroyWindowNow(); }

bool frmMain::CreateControls(HINSTANCE instance) {
    // Placed and given their font by LayOut.
    const auto add = [&](HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, int id) {
        return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(INT_PTR{id}), instance, nullptr);
    };
    HWND main = hwnd();

    lblDefFont_ = add(main, WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, 0, ControlId::lblDefFont);
    Frame1_ = add(main, WC_BUTTONW, L":: Choose your font  ::", BS_GROUPBOX, WS_EX_CONTROLPARENT, ControlId::Frame1);
    if (Frame1_) SetWindowSubclass(Frame1_, FrameSubclassProc, 0, 0);
    lblFont_ = add(Frame1_, WC_STATICW, L"Font Name: (e.g.- Bangla)", SS_LEFT, 0, ControlId::lblFont);
    // The list draws its own entries; they stay strings, so that sorting,
    // CB_GETLBTEXT, typing and screen readers work as for a plain list.
    comFont_ = add(Frame1_, WC_COMBOBOXW, L"",
                   CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL |
                       WS_TABSTOP,
                   0, ControlId::comFont);
    Picture1_ = add(Frame1_, kPanelClass, L"", 0, WS_EX_CONTROLPARENT, ControlId::Picture1);
    chkFS_ = add(Picture1_, WC_BUTTONW, L" Enable Font Smoothing", BS_AUTOCHECKBOX | WS_TABSTOP, 0, ControlId::chkFS);
    chkIE_ = add(Picture1_, WC_BUTTONW, L" Set as IE Default for Bengali", BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                 ControlId::chkIE);
    // Its text may take two lines: the first beside the box, as its neighbours' one line is.
    chkBrowsers_ = add(Picture1_, WC_BUTTONW, L" Set in Edge, Chrome and Firefox",
                       BS_AUTOCHECKBOX | BS_MULTILINE | BS_TOP | WS_TABSTOP, 0, ControlId::chkBrowsers);
    cmdFix_ = add(Picture1_, WC_BUTTONW, L"&Fix It", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::cmdFix);
    cmdDef_ = add(Picture1_, WC_BUTTONW, L"&Restore", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::cmdDef);
    Command1_ = add(Picture1_, WC_BUTTONW, L"&About", BS_PUSHBUTTON | WS_TABSTOP, 0, ControlId::Command1);
    for (HWND control : {lblDefFont_, Frame1_, lblFont_, comFont_, Picture1_, chkFS_, chkIE_, chkBrowsers_, cmdFix_,
                         cmdDef_, Command1_}) {
        if (!control) return false;
    }

    SetWindowTextW(comFont_, std::wstring(kFontChoicePlaceholder).c_str());
    SendMessageW(chkFS_, BM_SETCHECK, BST_CHECKED, 0);

    tabOrder_ = {cmdFix_, Command1_, chkFS_, comFont_, cmdDef_, chkIE_, chkBrowsers_};

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
    AddTooltip(chkBrowsers_,
               L"Also set it as the Bengali font of this user's Edge, Chrome and Firefox (close them first)");
    AddTooltip(cmdDef_, L"Restore Vrinda as Default");
    return true;
}

void frmMain::LayOut(int dpi, const RECT* suggested) {
    layout_ = MainLayoutAt(dpi);

    // The controls take the new font before the old one is deleted.
    unique_hfont font = CreateTrebuchetFont(kMainFontHundredthsOfPoint, dpi);
    const std::array<HWND, 11> controls{lblDefFont_, Frame1_, lblFont_, comFont_, Picture1_, chkFS_,
                                        chkIE_,      chkBrowsers_, cmdFix_, cmdDef_, Command1_};
    for (HWND control : controls) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    font_ = std::move(font);
    previewFonts_.Clear();

    for (const MainControlPlace& place : layout_.controls) {
        const auto control = std::find_if(controls.begin(), controls.end(),
                                          [&](HWND c) { return GetDlgCtrlID(c) == place.id; });
        if (control == controls.end()) continue;
        const PixelRect& r = place.rect;
        // A combo box's height is that of its dropped list.
        const int height = place.id == ControlId::comFont ? layout_.comboDroppedHeight : r.bottom - r.top;
        SetWindowPos(*control, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(comFont_, CB_SETITEMHEIGHT, 0, layout_.listItemHeight);
    const PixelRect combo = layout_.RectOf(ControlId::comFont);
    FitClosedComboHeight(combo.bottom - combo.top);

    const FrameInsets frame = ReadFrameInsets(kMainStyle, kMainExStyle, dpi);
    if (suggested) {
        const PixelRect r = PlaceForNewDpi({suggested->left, suggested->top, suggested->right, suggested->bottom},
                                           frame, layout_.clientWidth, layout_.clientHeight);
        SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(hwnd(), nullptr, 0, 0, OuterWidth(frame, layout_.clientWidth),
                     OuterHeight(frame, layout_.clientHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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

void frmMain::DrawFontListItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;  // an empty list has nothing to show
    const auto length = SendMessageW(comFont_, CB_GETLBTEXTLEN, item.itemID, 0);
    if (length == CB_ERR) return;
    std::wstring family(static_cast<std::size_t>(length) + 1, L'\0');
    family.resize(static_cast<std::size_t>(
        SendMessageW(comFont_, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(family.data()))));
    DrawFontPreview(item, family, font_.get(), previewFonts_.FontFor(family).get(), layout_.listItemPadding);
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

bool frmMain::BrowsersTicked() const { return SendMessageW(chkBrowsers_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void frmMain::SetDefaultFontCaption(std::wstring_view caption) {
    SetWindowTextW(lblDefFont_, std::wstring(caption).c_str());
}

void frmMain::FocusFontChoice() { SetFocus(comFont_); }

bool frmMain::AnotherInstanceRunning() { return !instance_.TakeGuard(); }

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
    Win32ProfileFiles profiles;
    operation(*this, {registry_, files, fonts, prompts, restart, ReadWindowsVersion(), profiles, {ReadCurrentUserFolders()}});
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
                RunRepair([](MainWindowControls& controls, RepairServices services) {
                    FixDefaultFont(controls, services, [&] {
                        Win32FontDrawing drawing;
                        return MeasureInterfaceFamily(drawing, services.registry, services.fonts, services.version);
                    });
                });
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
    case WM_MEASUREITEM: {
        // Asked while the combo box is made: the list's entries, not its field.
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType != ODT_COMBOBOX || measure.itemID == static_cast<UINT>(-1)) break;
        measure.itemHeight = static_cast<UINT>(MainLayoutAt(ReadWindowDpi(window)).listItemHeight);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_COMBOBOX || item.hwndItem != comFont_) break;
        DrawFontListItem(item);
        return TRUE;
    }
    case WM_GETDPISCALEDSIZE: {
        // Asked before a move to another monitor: the exact size there, so
        // that the rectangle WM_DPICHANGED suggests needs no correction.
        const int dpi = static_cast<int>(wParam);
        const MainLayout layout = MainLayoutAt(dpi);
        const FrameInsets frame = ReadFrameInsets(kMainStyle, kMainExStyle, dpi);
        auto& size = *reinterpret_cast<SIZE*>(lParam);
        size = {OuterWidth(frame, layout.clientWidth), OuterHeight(frame, layout.clientHeight)};
        return TRUE;
    }
    case WM_DPICHANGED:
        LayOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        InstallIcon();
        return 0;
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
