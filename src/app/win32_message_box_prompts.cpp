#include "app/win32_message_box_prompts.h"

#include <string>

#include "common/identity.h"

void MessageBoxPrompts::ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) {
    const std::wstring body(text);
    const std::wstring caption(title.empty() ? kApplicationTitle : title);
    const UINT style = icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(owner_, body.c_str(), caption.c_str(), MB_OK | style);
}
