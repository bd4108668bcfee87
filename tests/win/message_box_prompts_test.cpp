#include "app/win32_message_box_prompts.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "own_dialog.h"

namespace {

struct Seen {
    std::wstring title, text;
    HICON icon = nullptr;
};

// Shows the message on a thread of its own, reads the box, then presses OK.
Seen Show(std::wstring_view title, MessageIcon icon) {
    std::thread shower([&] { MessageBoxPrompts(nullptr).ShowMessage(L"First line\r\nSecond line", title, icon); });
    Seen seen;
    if (HWND box = WaitForOwnDialog()) {
        wchar_t text[256] = {};
        GetWindowTextW(box, text, 256);
        seen.title = text;
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        seen.text = text;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    shower.join();
    return seen;
}

}  // namespace

TEST(MessageBoxPrompts, ShowTheirTextTitleAndIcon) {
    const Seen error = Show(L"Glyphor " GLYPHOR_VERSION, MessageIcon::Error);
    EXPECT_EQ(error.title, L"Glyphor " GLYPHOR_VERSION);
    EXPECT_EQ(error.text, L"First line\r\nSecond line");
    EXPECT_EQ(error.icon, LoadIconW(nullptr, IDI_ERROR));

    const Seen notice = Show(L"", MessageIcon::Information);
    EXPECT_EQ(notice.title, L"Glyphor") << "a box without a title of its own carries the application's";
    EXPECT_EQ(notice.icon, LoadIconW(nullptr, IDI_INFORMATION));
}
