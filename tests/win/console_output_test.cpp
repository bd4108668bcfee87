#include "cli/win32_console_output.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/unique_handle.h"

namespace {

// লিখন: Likhan written in Bengali.
const std::wstring kFace = L"\u09B2\u09BF\u0996\u09A8";

}  // namespace

TEST(ConsoleOutput, PutsUtf16OnARealConsole) {
    // A console of this process's own, whatever the runner was started with.
    FreeConsole();
    ASSERT_TRUE(AllocConsole()) << GetLastError();
    unique_handle screen(CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                   nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr));
    ASSERT_NE(screen.get(), INVALID_HANDLE_VALUE);

    Win32ConsoleOutput(screen.get(), screen.get()).Write(ConsoleStream::Error, kFace + L"\nnext");

    wchar_t cells[4] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(screen.get(), cells, 4, {0, 0}, &read));
    EXPECT_EQ(std::wstring(cells, read), kFace);
    ASSERT_TRUE(ReadConsoleOutputCharacterW(screen.get(), cells, 4, {0, 1}, &read));
    EXPECT_EQ(std::wstring(cells, read), L"next");
    FreeConsole();
}

TEST(ConsoleOutput, PutsUtf8WithCrLfIntoAPipe) {
    unique_handle read, write;
    ASSERT_TRUE(CreatePipe(read.put(), write.put(), nullptr, 0));
    Win32ConsoleOutput(write.get(), nullptr).Write(ConsoleStream::Out, kFace + L"\n");
    write.reset();

    char bytes[64];
    DWORD got = 0;
    ASSERT_TRUE(ReadFile(read.get(), bytes, sizeof bytes, &got, nullptr));
    EXPECT_EQ(std::string(bytes, got), "\xE0\xA6\xB2\xE0\xA6\xBF\xE0\xA6\x96\xE0\xA6\xA8\r\n");
}
