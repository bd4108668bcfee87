#include "repair/describe_profiles_left_alone.h"

#include <algorithm>

#include "common/text.h"

namespace {

using plan::ProfileProblem;

std::wstring DescribeProfile(const ProfileLeftAlone& left) {
    const BrowserProfile& profile = left.profile;
    const std::wstring browser(profile.browser->name);
    if (left.problem == ProfileProblem::Moved) {
        return browser + L" keeps its profiles where its UserDataDir policy says, " + Quoted(profile.folder) +
               L", which Glyphor cannot follow, so its Bengali font was left as it was.";
    }
    std::wstring why;
    switch (left.problem) {
    case ProfileProblem::Unreadable: why = L"Glyphor cannot read " + profile.settings; break;
    case ProfileProblem::ReadOnly: why = profile.settings + L" is read-only"; break;
    case ProfileProblem::NotReplaced: why = L"Windows did not let Glyphor replace " + profile.settings; break;
    case ProfileProblem::Gone: why = profile.settings + L" is no longer there"; break;
    default: break;
    }
    return L"The settings of " + browser + L"'s profile " + Quoted(profile.name) +
           L" were left as they were: " + why + L".";
}

}  // namespace

std::wstring DescribeProfilesLeftAlone(const std::vector<ProfileLeftAlone>& left, bool fix, bool console) {
    std::vector<std::wstring> sentences;
    std::vector<std::wstring_view> open;
    const std::wstring again = console ? (fix ? L"run glyphor-cli fix again" : L"run glyphor-cli restore again")
                                       : (fix ? L"press Fix It again" : L"press Restore again");
    for (const ProfileLeftAlone& each : left) {
        if (each.problem != ProfileProblem::Open) {
            sentences.push_back(DescribeProfile(each));
            continue;
        }
        // A browser runs all its profiles: it is named once.
        const std::wstring_view browser = each.profile.browser->name;
        if (std::find(open.begin(), open.end(), browser) != open.end()) continue;
        open.push_back(browser);
        sentences.push_back(std::wstring(browser) + L" was open, so its Bengali font was not " +
                            (fix ? L"set" : L"given back") + L": close it and " + again + L".");
    }
    std::wstring text;
    for (const std::wstring& sentence : sentences) text += (text.empty() ? L"" : L"\r\n\r\n") + sentence;
    return text;
}
