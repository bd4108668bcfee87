// What a screen reader hears for each control: the name the system's
// accessibility layer gives it, from its own text or from its label.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "about/frm_about.h"
#include "app/control_ids.h"
#include "app/frm_main.h"
#include "child_by_id.h"
#include "platform/unique_handle.h"
#include "pump_messages.h"

namespace {

// The name of the window's client object; empty when it has none.
std::wstring AccessibleName(HWND window) {
    unique_com<IAccessible> object;
    // By __uuidof: oleacc's import library offers IID_IAccessible as an
    // import thunk, whose bytes are no GUID.
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(object.put()))))
        return L"<no accessible object>";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (object.get()->get_accName(self, &name) != S_OK || !name) return {};
    std::wstring text(name, SysStringLen(name));
    SysFreeString(name);
    return text;
}

TEST(AccessibleNames, EachControlSaysWhatItIs) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const auto form = frmMain::Create(GetModuleHandleW(nullptr));
    ASSERT_NE(form, nullptr);
    form->SetDefaultFontCaption(L"Default Font is - Vrinda");
    using namespace ControlId;
    const struct {
        int id;
        const wchar_t* name;
    } expected[] = {
        {lblDefFont, L"Default Font is - Vrinda"},
        {Frame1, L":: Choose your font  ::"},
        {lblFont, L"Font Name: (e.g.- Bangla)"},
        {chkFS, L" Enable Font Smoothing"},
        {chkIE, L" Set as IE Default for Bengali"},
        {chkBrowsers, L" Set in Edge, Chrome and Firefox"},
        // The access key's "&" is not read out.
        {cmdFix, L"Fix It"},
        {cmdDef, L"Restore"},
        {Command1, L"About"},
    };
    for (const auto& e : expected) EXPECT_EQ(AccessibleName(ChildById(form->hwnd(), e.id)), e.name) << e.id;

    // A combo box has no caption of its own: readers name it from the label
    // just before it in its container, which must therefore be lblFont.
    const HWND combo = ChildById(form->hwnd(), comFont);
    EXPECT_EQ(GetWindow(combo, GW_HWNDPREV), ChildById(form->hwnd(), lblFont));
    EXPECT_EQ(AccessibleName(form->hwnd()), L"Glyphor by Orrinel");

    const auto about = frmAbout::Create(form->hwnd());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(AccessibleName(about->hwnd()), L"About");
    EXPECT_EQ(AccessibleName(about->picture()), L"Credits");
    PumpMessages();
}

}  // namespace
