#include "cli/win32_console_output.h"

#include <algorithm>
#include <string>

#include "cli/text_encoding.h"

namespace {

// Older consoles refuse a single write above about 64 KB.
constexpr DWORD kConsoleChunk = 8192;

void WriteToConsole(HANDLE console, std::wstring_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(text.size(), kConsoleChunk));
        if (!WriteConsoleW(console, text.data(), size, &written, nullptr) || written == 0) return;
        text.remove_prefix(written);
    }
}

void WriteBytes(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0)
            return;
        bytes.remove_prefix(written);
    }
}

}  // namespace

Win32ConsoleOutput::Win32ConsoleOutput()
    : out_(GetStdHandle(STD_OUTPUT_HANDLE)), error_(GetStdHandle(STD_ERROR_HANDLE)) {}

void Win32ConsoleOutput::Write(ConsoleStream stream, std::wstring_view text) {
    const HANDLE handle = stream == ConsoleStream::Out ? out_ : error_;
    if (!handle || handle == INVALID_HANDLE_VALUE) return;
    const std::wstring lines = EndLinesWithCrLf(text);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
        WriteToConsole(handle, lines);
    else
        WriteBytes(handle, EncodeUtf8(lines));
}
