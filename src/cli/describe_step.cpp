#include "cli/describe_step.h"

namespace {

using namespace plan;

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

struct Describe {
    std::wstring operator()(const SetValue& s) const { return L"set " + ValuePath(s.where); }
    std::wstring operator()(const DeleteValue& s) const { return L"delete " + ValuePath(s.where); }
    std::wstring operator()(const UnregisterFont& s) const {
        return L"unregister font " + (s.names.empty() ? std::wstring{} : s.names.front());
    }
    std::wstring operator()(const RegisterFont& s) const { return L"register font " + s.path; }
    std::wstring operator()(const BroadcastFontChange&) const { return L"tell all windows the fonts changed"; }
    std::wstring operator()(const MoveFile& s) const { return L"move " + s.from + L" to " + s.to; }
    std::wstring operator()(const CopyFile& s) const { return L"copy " + s.from + L" to " + s.to; }
    std::wstring operator()(const DeleteFile& s) const { return L"delete " + s.path; }
    std::wstring operator()(const ShowMessage&) const { return L"show a message"; }
    std::wstring operator()(const AskYesNo&) const { return L"ask a question"; }
    std::wstring operator()(const ShowDefaultFont&) const { return L"show the default font"; }
    std::wstring operator()(const ReportOutcome&) const { return L"report the outcome"; }
    std::wstring operator()(const OfferRestart&) const { return L"note that a restart is needed"; }
};

}  // namespace

std::wstring DescribeStep(const Action& action) { return std::visit(Describe{}, action); }
