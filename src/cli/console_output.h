#pragma once

#include <string_view>

enum class ConsoleStream { Out, Error };

// Standard output and standard error. Text is given with LF or CR LF line
// ends; the writer puts it on the console or into the pipe or file as it must.
class ConsoleOutput {
public:
    virtual ~ConsoleOutput() = default;
    virtual void Write(ConsoleStream stream, std::wstring_view text) = 0;
};
