// Presses Fix It (with a face typed, and the browsers' box ticked when asked)
// or Restore in a freshly started Glyphor, as a person would, and answers
// every box that follows: OK to a message, Yes to a question, No to the
// restart prompt. Then closes it.
//   press_repair fix FACE [--browsers] | press_repair restore
// Exits 0 once the restart prompt was reached and Glyphor has closed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/control_ids.h"
#include "driver.h"

using namespace driver;

int wmain(int argc, wchar_t** argv) {
    const std::wstring operation = argc > 1 ? argv[1] : L"";
    const bool browsers = argc == 4 && std::wstring(argv[3]) == L"--browsers";
    if (!(operation == L"restore" || (operation == L"fix" && (argc == 3 || browsers)))) {
        std::fputs("usage: press_repair fix FACE [--browsers] | press_repair restore\n", stderr);
        return 2;
    }
    StartedGlyphor glyphor;
    if (!glyphor.window) return 1;
    if (operation == L"fix") {
        const HWND combo = ChildById(glyphor.window, ControlId::comFont);
        SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
    }
    if (browsers) {
        const HWND box = ChildById(glyphor.window, ControlId::chkBrowsers);
        // BM_CLICK is posted: the tick must be seen before Fix It is pressed.
        Click(box);
        if (!WaitUntil(5s, [box] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; })) {
            std::fputs("the browsers' box is missing or did not tick\n", stderr);
            return 1;
        }
    }
    Click(ChildById(glyphor.window, operation == L"fix" ? ControlId::cmdFix : ControlId::cmdDef));

    for (;;) {
        const MessageBoxSeen box = WaitForMessageBox(glyphor.program.pid());
        if (!box.window) {
            std::fputs("no restart prompt came\n", stderr);
            return 1;
        }
        std::printf("[%ls] %ls\n", box.title.c_str(), box.text.c_str());
        if (box.title == L"Restart") {
            Answer(box.window, IDNO);
            return 0;
        }
        Answer(box.window, GetDlgItem(box.window, IDYES) ? IDYES : IDOK);
    }
}
