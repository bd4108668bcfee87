#include <windows.h>
#include <commctrl.h>

#include "app/frm_main.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The program runs elevated: never load a DLL from the current directory.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    // Before any window exists, so that the controls take the visual styles.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const auto form = frmMain::Create(instance);
    if (!form || !form->Load()) return 0;
    form->Show();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form->PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
