#include "cli/console_window.h"

#include "cli/console_output.h"

void ConsoleWindowControls::SetDefaultFontCaption(std::wstring_view caption) {
    out_.Write(ConsoleStream::Out, std::wstring(caption) + L"\n");
}
