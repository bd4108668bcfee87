#include "cli/cli_arguments.h"

#include <algorithm>
#include <cwctype>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace {

std::wstring Folded(std::wstring_view text) {
    std::wstring folded(text);
    for (auto& ch : folded) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    return folded;
}

struct CommandSpec {
    std::wstring_view name;
    CliCommand command;
    std::wstring_view operand;  // what the one positional argument is; empty for none
    std::vector<std::wstring_view> options;
};

const std::vector<CommandSpec>& Commands() {
    static const std::vector<CommandSpec> commands = {
        {L"list", CliCommand::List, {}, {L"--json", L"--all"}},
        {L"status", CliCommand::Status, {}, {L"--json", L"--expect", L"--browsers", L"--all-users"}},
        {L"fix", CliCommand::Fix, L"the name of a font face",
         {L"--ie", L"--smoothing", L"--force", L"--dry-run", L"--link", L"--browsers", L"--all-users"}},
        {L"restore", CliCommand::Restore, {}, {L"--ie", L"--reinstall-vrinda", L"--dry-run", L"--all-users"}},
        {L"export", CliCommand::Export, L"the .reg file to write", {}},
    };
    return commands;
}

void SetOption(CliArguments& arguments, std::wstring_view option) {
    if (option == L"--json") arguments.json = true;
    if (option == L"--ie") arguments.internetExplorer = true;
    if (option == L"--smoothing") arguments.smoothing = true;
    if (option == L"--force") arguments.force = true;
    if (option == L"--dry-run") arguments.dryRun = true;
    if (option == L"--reinstall-vrinda") arguments.reinstallVrinda = true;
    if (option == L"--link") arguments.link = true;
    if (option == L"--all") arguments.all = true;
    if (option == L"--browsers") arguments.browsers = true;
    if (option == L"--all-users") arguments.allUsers = true;
}

ParsedArguments Refused(std::wstring reason) { return {std::nullopt, std::move(reason)}; }

bool IsOption(std::wstring_view argument) { return argument.size() > 1 && argument.front() == L'-'; }

}  // namespace

ParsedArguments ParseCliArguments(std::span<const std::wstring> arguments) {
    const auto only = [](CliCommand command) {
        CliArguments parsed;
        parsed.command = command;
        return ParsedArguments{parsed, {}};
    };
    for (const std::wstring& argument : arguments) {
        if (argument == L"--") break;
        const std::wstring option = Folded(argument);
        if (option == L"--help" || option == L"-h" || option == L"/?") return only(CliCommand::Help);
        if (option == L"--version") return only(CliCommand::Version);
    }
    if (arguments.empty()) return Refused(L"no command given");

    const std::wstring name = Folded(arguments.front());
    const auto known = std::find_if(Commands().begin(), Commands().end(),
                                   [&](const CommandSpec& command) { return command.name == name; });
    if (known == Commands().end()) return Refused(L"unknown command \u201C" + arguments.front() + L"\u201D");

    CliArguments parsed;
    parsed.command = known->command;
    std::vector<std::wstring> operands;
    bool optionsEnded = false;
    const auto rest = arguments.subspan(1);
    for (auto it = rest.begin(); it != rest.end(); ++it) {
        const std::wstring& argument = *it;
        if (!optionsEnded && argument == L"--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !IsOption(argument)) {
            operands.push_back(argument);
            continue;
        }
        const std::wstring option = Folded(argument);
        if (std::find(known->options.begin(), known->options.end(), option) == known->options.end())
            return Refused(L"unknown option \u201C" + argument + L"\u201D for " + std::wstring(known->name));
        if (option == L"--expect") {
            // A face that starts with "--" is an option forgotten its face, not a font's name.
            if (++it == rest.end() || TrimBlanks(*it).empty() || TrimBlanks(*it).starts_with(L"--"))
                return Refused(L"--expect needs the name of a font face");
            parsed.expected = TrimBlanks(*it);
            continue;
        }
        SetOption(parsed, option);
    }

    if (known->operand.empty()) {
        if (!operands.empty()) return Refused(L"unexpected argument \u201C" + operands.front() + L"\u201D");
        return {parsed, {}};
    }
    if (operands.empty()) return Refused(std::wstring(known->name) + L" needs " + std::wstring(known->operand));
    if (operands.size() > 1)
        return Refused(L"unexpected argument \u201C" + operands[1] + L"\u201D (quote a name that has blanks)");
    if (parsed.command == CliCommand::Fix && HoldsControlCharacter(operands.front()))
        return Refused(L"the face holds a line break, a tab or another control character, which no font's name has");
    (parsed.command == CliCommand::Fix ? parsed.face : parsed.file) = operands.front();
    return {parsed, {}};
}
