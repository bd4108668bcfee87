#include "repair/render_plan.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "common/text.h"
#include "platform/registry_access.h"
#include "repair/describe_refusals.h"

namespace {

using namespace plan;

std::wstring Escaped(std::wstring_view text) {
    std::wstring out;
    for (const wchar_t ch : text) {
        if (ch == L'\\' || ch == L'"') out.push_back(L'\\');
        out.push_back(ch);
    }
    return out;
}

// Lower-case hex, at least `digits` long. std::swprintf would link the C
// library's whole printf machinery into the window's program.
std::wstring Hex(unsigned number, int digits) {
    char buffer[8];
    char* const end = std::to_chars(std::begin(buffer), std::end(buffer), number, 16).ptr;
    const auto length = static_cast<int>(end - buffer);
    return std::wstring(static_cast<std::size_t>(std::max(digits - length, 0)), L'0') + std::wstring(buffer, end);
}

// regedit's own form: hex(7):41,00,... with a backslash and two blanks
// continuing a line that grows past 80 characters.
std::wstring HexData(std::wstring_view prefix, const RegistryValue& value) {
    std::wstring out = value.type == RegistryType::Binary ? L"hex:" : L"hex(" + Hex(value.type, 0) + L"):";
    std::size_t column = prefix.size() + out.size();
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        out += Hex(value.data[i], 2);
        column += 2;
        if (i + 1 == value.data.size()) break;
        out += L',';
        ++column;
        if (column > 76) {
            out += L"\\\r\n  ";
            column = 2;
        }
    }
    return out;
}

std::wstring ValueLine(const ValueRef& where, const std::optional<RegistryValue>& value) {
    std::wstring line = where.name.empty() ? L"@=" : L"\"" + Escaped(where.name) + L"\"=";
    if (!value) return line + L"-";
    if (value->type == RegistryType::String) {
        const std::wstring text = mRegistry::QueryValueText(*value);
        // A text with a NUL inside would be cut short, one with a line break
        // would go on as lines of its own, keys and values among them, and
        // an unpaired surrogate would come back as U+FFFD from the file's
        // UTF-16: hex keeps each whole, as regedit itself writes them.
        if ((text.size() + 1) * 2 == value->data.size() && !HoldsControlCharacter(text) &&
            !HoldsUnpairedSurrogate(text))
            return line + L"\"" + Escaped(text) + L"\"";
    }
    if (value->type == RegistryType::Dword && value->data.size() == 4) {
        const unsigned number = value->data[0] | (value->data[1] << 8) | (value->data[2] << 16) |
                                (static_cast<unsigned>(value->data[3]) << 24);
        return line + L"dword:" + Hex(number, 8);
    }
    return line + HexData(line, *value);
}

// The keys by their names in the browser's own settings, so that a reader can find them there.
std::wstring DescribeProfileEdit(const EditBrowserFonts& edit) {
    const BrowserProfile& profile = edit.profile;
    const bool chromium = profile.browser->kind == BrowserKind::Chromium;
    const std::wstring keys = chromium ? L"webkit.webprefs.fonts.standard.Beng, .serif.Beng and .sansserif.Beng"
                                       : L"font.name.serif.x-beng and font.name.sans-serif.x-beng";
    std::wstring text = edit.face ? L"set " + keys + L" to \"" + *edit.face + L"\" in " + profile.settings
                                  : L"give back what the fix took of " + keys + L" in " + profile.settings;
    text += L" (" + std::wstring(profile.browser->name) + L", profile " + Quoted(profile.name) + L")";
    switch (edit.seen) {
    case ProfileProblem::None: break;
    case ProfileProblem::Open: text += L"; skipped while " + std::wstring(profile.browser->name) + L" is open"; break;
    case ProfileProblem::Moved: text += L"; skipped: a policy keeps the profiles elsewhere"; break;
    default: text += L"; skipped: the file cannot be read or replaced"; break;
    }
    return text;
}

std::wstring Condition(const When& when) {
    std::wstring text;
    const auto add = [&](std::wstring part) { text += (text.empty() ? L"only if " : L" and ") + part; };
    if (when.unregistered) add(L"a font was unregistered");
    if (when.yesTo) add(L"the user answers Yes");
    if (!when.fileAt.empty()) add(L"a file is at " + when.fileAt);
    if (!when.nothingAt.empty()) add(L"no file is at " + when.nothingAt);
    return text;
}

}  // namespace

std::wstring RootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::LocalMachine: return L"HKEY_LOCAL_MACHINE";
    case RegistryRoot::Users: return L"HKEY_USERS";
    case RegistryRoot::CurrentUser: return L"HKEY_CURRENT_USER";
    }
    return {};
}

std::wstring ValuePath(const ValueRef& where) {
    return RootName(where.root) + L"\\" + where.path + L" [" + where.name + L"]";
}

std::wstring DescribeStep(const Action& action) {
    struct {
        std::wstring operator()(const SetValue& s) const { return L"set " + ValuePath(s.where); }
        std::wstring operator()(const DeleteValue& s) const { return L"delete " + ValuePath(s.where); }
        std::wstring operator()(const UnregisterFont& s) const {
            std::wstring names;
            for (const auto& name : s.names) names += (names.empty() ? L"" : L" or ") + name;
            return L"unregister font " + names;
        }
        std::wstring operator()(const RegisterFont& s) const { return L"register font " + s.path; }
        std::wstring operator()(const BroadcastFontChange&) const { return L"tell all windows the fonts changed"; }
        std::wstring operator()(const MoveFile& s) const { return L"move " + s.from + L" to " + s.to; }
        std::wstring operator()(const CopyFile& s) const { return L"copy " + s.from + L" to " + s.to; }
        std::wstring operator()(const DeleteFile& s) const { return L"delete " + s.path; }
        std::wstring operator()(const ShowMessage& s) const { return L"say: " + s.text; }
        std::wstring operator()(const AskYesNo& s) const { return L"ask: " + s.text; }
        std::wstring operator()(const ReportOutcome&) const {
            return L"check what was done and say what went otherwise";
        }
        std::wstring operator()(const OfferRestart&) const { return L"offer to restart Windows"; }
        std::wstring operator()(const EditBrowserFonts& s) const { return DescribeProfileEdit(s); }
    } describe;
    return std::visit(describe, action);
}

namespace {

// A comment ends at its line's end, so nothing in it may start another line.
std::wstring OneLine(std::wstring text) {
    for (std::size_t at; (at = text.find(L"\r\n")) != std::wstring::npos;) text.replace(at, 2, L" ");
    for (wchar_t& ch : text)
        if (ch < L' ') ch = L' ';
    return text;
}

constexpr std::wstring_view kRegHeader = L"Windows Registry Editor Version 5.00\r\n";

bool SameKey(const ValueRef* key, const ValueRef& where) {
    return key && key->root == where.root && key->path == where.path;
}

std::wstring KeyLine(const ValueRef& where) { return L"[" + RootName(where.root) + L"\\" + where.path + L"]\r\n"; }

}  // namespace

std::wstring RenderRegFile(const std::vector<RegEntry>& entries) {
    std::wstring text(kRegHeader);
    const ValueRef* key = nullptr;
    for (const auto& [where, value] : entries) {
        if (!SameKey(key, where)) {
            text += L"\r\n" + KeyLine(where);
            key = &where;
        }
        text += ValueLine(where, value) + L"\r\n";
    }
    return text;
}

std::wstring RenderPlan(const Plan& steps) {
    std::wstring text(kRegHeader);
    // A refused value must stay out of the file: imported, it would do what the run refused.
    const std::vector<std::wstring> refusals = DescribeRefusals(steps);
    if (!refusals.empty()) text += L"\r\n";
    for (const std::wstring& refusal : refusals) text += L"; " + OneLine(refusal) + L"\r\n";
    std::wstring others;
    const ValueRef* key = nullptr;
    for (const Step& step : steps) {
        if (step.unreadable) continue;
        const std::wstring condition = Condition(step.when);
        const ValueRef* where = nullptr;
        std::optional<RegistryValue> value;
        if (const auto* set = std::get_if<SetValue>(&step.action)) {
            where = &set->where;
            value = set->value;
        } else if (const auto* remove = std::get_if<DeleteValue>(&step.action)) {
            where = &remove->where;
        }
        if (!where) {
            others += L"; " + OneLine(DescribeStep(step.action) + (condition.empty() ? L"" : L" (" + condition + L")")) +
                      L"\r\n";
            continue;
        }
        // A conditional value opens its key again so that its note sits just above it.
        if (!SameKey(key, *where) || !condition.empty()) {
            text += L"\r\n" + (condition.empty() ? L"" : L"; " + OneLine(condition) + L"\r\n") + KeyLine(*where);
            key = condition.empty() ? where : nullptr;
        }
        text += ValueLine(*where, value) + L"\r\n";
    }
    return text + (others.empty() ? L"" : L"\r\n; Other steps, in order:\r\n" + others);
}
