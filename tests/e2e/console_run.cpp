#include "console_run.h"

#include <windows.h>

#include <thread>

#include "driver.h"

namespace driver {
namespace {

// Reads a pipe to its end.
std::string Drain(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    return text;
}

struct Pipe {
    unique_handle read, write;
    // The write end is inherited by the child; the read end stays here.
    explicit Pipe(DWORD size = 0) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        CreatePipe(read.put(), write.put(), &inherit, size);
        SetHandleInformation(read.get(), HANDLE_FLAG_INHERIT, 0);
    }
};

unique_handle Start(const std::vector<std::wstring>& arguments, HANDLE out, HANDLE error) {
    const std::wstring exe = BuildPath(L"glyphor-cli.exe");
    std::wstring command = CommandLine(exe, arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = error;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info))
        return {};
    CloseHandle(info.hThread);
    return unique_handle(info.hProcess);
}

std::optional<DWORD> WaitForCode(HANDLE process, std::chrono::milliseconds timeout) {
    if (WaitForSingleObject(process, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

}  // namespace

std::wstring CommandLine(const std::wstring& exe, const std::vector<std::wstring>& arguments) {
    std::wstring line = L"\"" + exe + L"\"";
    for (const std::wstring& argument : arguments) line += L" \"" + argument + L"\"";
    return line;
}

ConsoleRun RunConsole(const std::vector<std::wstring>& arguments, std::chrono::milliseconds timeout) {
    Pipe out, error;
    unique_handle process = Start(arguments, out.write.get(), error.write.get());
    out.write.reset();
    error.write.reset();
    ConsoleRun run;
    if (!process) return run;
    std::thread readError([&] { run.error = Drain(error.read.get()); });
    run.out = Drain(out.read.get());
    run.code = WaitForCode(process.get(), timeout);
    readError.join();
    return run;
}

StalledConsole::StalledConsole(const std::vector<std::wstring>& arguments) {
    // A pipe of one byte fills with the first line.
    Pipe out(1);
    process_ = Start(arguments, out.write.get(), out.write.get());
    out_ = std::move(out.read);
}

StalledConsole::~StalledConsole() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool StalledConsole::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

ConsoleRun StalledConsole::Finish() {
    ConsoleRun run;
    if (!process_) return run;
    std::thread waiter([&] { run.code = WaitForCode(process_.get(), std::chrono::seconds(60)); });
    run.out = Drain(out_.get());
    waiter.join();
    return run;
}

std::string ToUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace driver
