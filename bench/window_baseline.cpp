// What Glyphor's start-up cannot avoid: the same window tree with the same
// fonts (the program's own main window, made but never loaded) and the
// font families enumerated on its device context, as the font list needs.
// Everything glyphor.exe does beyond this (reading each family's character
// map, filling the list, the registry, the checks at start) is what the
// start-up benchmark holds against it. Its caption tells how many families
// it saw.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/frm_main.h"
#include "family_names.h"
#include "platform/unique_handle.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const auto form = frmMain::Create(instance);
    if (!form) return 1;

    const std::size_t families = FamilyNames(unique_window_dc(form->hwnd()).get()).size();
    SetWindowTextW(form->hwnd(), (std::to_wstring(families) + L" font families").c_str());
    form->Show();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
