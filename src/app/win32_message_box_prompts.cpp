#include "app/win32_message_box_prompts.h"

#include <string>

#include "common/identity.h"

void MessageBoxPrompts::ShowMessage(std::wstring_view text, std::wstring_view title, MessageIcon icon) {
    const std::wstring body(text);
    const std::wstring caption(title.empty() ? kApplicationTitle : title);
    const UINT style = icon == MessageIcon::Error     ? MB_ICONERROR
                       : icon == MessageIcon::Warning ? MB_ICONWARNING
                                                      : MB_ICONINFORMATION;
    MessageBoxW(owner_, body.c_str(), caption.c_str(), MB_OK | style);
}

bool MessageBoxPrompts::AskYesNo(std::wstring_view text, std::wstring_view title) {
    const std::wstring body(text);
    const std::wstring caption(title.empty() ? kApplicationTitle : title);
    return MessageBoxW(owner_, body.c_str(), caption.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
