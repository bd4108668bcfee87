#include "cli/console_prompts.h"

#include "cli/console_output.h"

void ConsolePrompts::ShowMessage(std::wstring_view text, std::wstring_view, MessageIcon icon) {
    const std::wstring body(text);
    switch (icon) {
    case MessageIcon::Information: out_.Write(ConsoleStream::Out, body + L"\n"); break;
    case MessageIcon::Warning: out_.Write(ConsoleStream::Error, L"Warning: " + body + L"\n"); break;
    case MessageIcon::Error: out_.Write(ConsoleStream::Error, L"Error: " + body + L"\n"); break;
    }
}

bool ConsolePrompts::AskYesNo(std::wstring_view text, std::wstring_view) { return Tell(text, every_); }

bool ConsolePrompts::Tell(std::wstring_view question, const ConsoleAnswer& answer) {
    out_.Write(ConsoleStream::Error, L"Question: " + std::wstring(question) + L"\n" + (answer.yes ? L"Yes" : L"No") +
                                         (answer.why.empty() ? L"" : L": " + answer.why) + L"\n");
    return answer.yes;
}

void ConsolePrompts::AnswerEveryQuestion(ConsoleAnswer answer) { every_ = std::move(answer); }
