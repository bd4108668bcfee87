#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Accepted {
    std::vector<std::wstring> line;
    CliCommand command;
    std::wstring face;
    std::wstring file;
    std::wstring flags;  // j i s d f r l a b u: json, ie, smoothing, dry-run, force, reinstall, link, all, browsers, all users
};

std::wstring Flags(const CliArguments& a) {
    std::wstring flags;
    if (a.json) flags += L'j';
    if (a.internetExplorer) flags += L'i';
    if (a.smoothing) flags += L's';
    if (a.dryRun) flags += L'd';
    if (a.force) flags += L'f';
    if (a.reinstallVrinda) flags += L'r';
    if (a.link) flags += L'l';
    if (a.all) flags += L'a';
    if (a.browsers) flags += L'b';
    if (a.allUsers) flags += L'u';
    if (a.expected) flags += L"e=" + *a.expected;
    return flags;
}

}  // namespace

TEST(CliArguments, UnderstandsEachCommandWithItsOptions) {
    const Accepted cases[] = {
        {{L"list"}, CliCommand::List, L"", L"", L""},
        {{L"list", L"--json"}, CliCommand::List, L"", L"", L"j"},
        {{L"Status", L"--JSON"}, CliCommand::Status, L"", L"", L"j"},
        {{L"fix", L"Likhan"}, CliCommand::Fix, L"Likhan", L"", L""},
        {{L"fix", L"--dry-run", L" Mitra ", L"--ie", L"--smoothing", L"--force"}, CliCommand::Fix, L" Mitra ", L"",
         L"isdf"},
        {{L"fix", L"\u09B2\u09BF\u0996\u09A8"}, CliCommand::Fix, L"\u09B2\u09BF\u0996\u09A8", L"", L""},
        {{L"fix", L"--", L"-Odd"}, CliCommand::Fix, L"-Odd", L"", L""},
        {{L"restore", L"--ie", L"--reinstall-vrinda", L"--dry-run"}, CliCommand::Restore, L"", L"", L"idr"},
        {{L"export", L"C:\\backup.reg"}, CliCommand::Export, L"", L"C:\\backup.reg", L""},
        {{L"fix", L"Likhan", L"--LINK"}, CliCommand::Fix, L"Likhan", L"", L"l"},
        {{L"list", L"--all", L"--json"}, CliCommand::List, L"", L"", L"ja"},
        {{L"status", L"--expect", L" Mitra ", L"--json"}, CliCommand::Status, L"", L"", L"je=Mitra"},
        {{L"fix", L"Likhan", L"--browsers", L"--all-users"}, CliCommand::Fix, L"Likhan", L"", L"bu"},
        {{L"status", L"--expect", L"Likhan", L"--browsers", L"--all-users"}, CliCommand::Status, L"", L"", L"bue=Likhan"},
        {{L"restore", L"--all-users"}, CliCommand::Restore, L"", L"", L"u"},
        {{L"fix", L"--help"}, CliCommand::Help, L"", L"", L""},
        {{L"/?"}, CliCommand::Help, L"", L"", L""},
        {{L"frobnicate", L"--version"}, CliCommand::Version, L"", L"", L""},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.line));
        const ParsedArguments parsed = ParseCliArguments(c.line);
        ASSERT_TRUE(parsed.arguments) << testing::PrintToString(parsed.reason);
        EXPECT_EQ(parsed.arguments->command, c.command);
        EXPECT_EQ(parsed.arguments->face, c.face);
        EXPECT_EQ(parsed.arguments->file, c.file);
        EXPECT_EQ(Flags(*parsed.arguments), c.flags);
    }
}

TEST(CliArguments, RefusesWithOneLineThatNamesTheProblem) {
    const std::pair<std::vector<std::wstring>, std::wstring> cases[] = {
        {{}, L"no command given"},
        {{L"frobnicate"}, L"unknown command \u201Cfrobnicate\u201D"},
        {{L"fix"}, L"fix needs the name of a font face"},
        {{L"fix", L"Li", L"khan"}, L"unexpected argument \u201Ckhan\u201D (quote a name that has blanks)"},
        {{L"fix", L"Likhan", L"--reinstall-vrinda"}, L"unknown option \u201C--reinstall-vrinda\u201D for fix"},
        {{L"restore", L"--force"}, L"unknown option \u201C--force\u201D for restore"},
        {{L"list", L"--ie"}, L"unknown option \u201C--ie\u201D for list"},
        {{L"status", L"now"}, L"unexpected argument \u201Cnow\u201D"},
        {{L"restore", L"--browsers"}, L"unknown option \u201C--browsers\u201D for restore"},
        {{L"export"}, L"export needs the .reg file to write"},
        {{L"status", L"--expect", L"--json"}, L"--expect needs the name of a font face"},
        {{L"status", L"--expect", L"--browsers", L"Likhan"}, L"--expect needs the name of a font face"},
        {{L"export", L"--json", L"a.reg"}, L"unknown option \u201C--json\u201D for export"},
        {{L"fix", L"Likhan\nB", L"--force"},
         L"the face holds a line break, a tab or another control character, which no font's name has"},
        {{L"fix", L"--dry-run", L"--force", L"a\n[HKLM\\X]"},
         L"the face holds a line break, a tab or another control character, which no font's name has"},
    };
    for (const auto& [line, reason] : cases) {
        const ParsedArguments parsed = ParseCliArguments(line);
        EXPECT_FALSE(parsed.arguments) << testing::PrintToString(line);
        EXPECT_EQ(parsed.reason, reason);
        EXPECT_EQ(parsed.reason.find(L'\n'), std::wstring::npos);
    }
}
