#include "repair/edit_browser_fonts.h"

#include "browsers/chromium_preferences.h"
#include "browsers/firefox_prefs.h"
#include "browsers/profile_files.h"

namespace {

using Result = ProfileEditOutcome::Result;
using plan::ProfileProblem;

ProfileEditOutcome LeftAlone(ProfileProblem problem) { return {Result::LeftAlone, problem}; }

FontEdit EditText(const plan::EditBrowserFonts& edit, std::string_view text) {
    if (edit.profile.browser->kind == BrowserKind::Chromium)
        return edit.face ? SetChromiumBengaliFont(text, *edit.face) : UndoChromiumBengaliFont(text);
    return edit.face ? SetFirefoxBengaliFont(text, *edit.face) : UndoFirefoxBengaliFont(text);
}

}  // namespace

ProfileEditOutcome EditBrowserProfile(ProfileFiles& files, const plan::EditBrowserFonts& edit) {
    const BrowserProfile& profile = edit.profile;
    if (profile.moved) return LeftAlone(ProfileProblem::Moved);
    const ProfileFiles::Contents contents = files.Read(profile.settings);
    if (contents.state == ProfileFiles::Contents::State::Missing) return LeftAlone(ProfileProblem::Gone);
    if (contents.state == ProfileFiles::Contents::State::Unreadable) return LeftAlone(ProfileProblem::Unreadable);

    const FontEdit edited = EditText(edit, contents.bytes);
    if (edited.result == FontEdit::Result::Refused) return LeftAlone(ProfileProblem::Unreadable);
    if (edited.result == FontEdit::Result::Unchanged) return {Result::Unchanged, ProfileProblem::None};
    // A running browser writes the settings it holds in memory back at exit,
    // over any edit made meanwhile.
    if (files.IsLockHeld(profile.lock)) return LeftAlone(ProfileProblem::Open);
    switch (files.Replace(profile.settings, edited.text)) {
    case ProfileFiles::Replaced::Done: return {Result::Done, ProfileProblem::None};
    case ProfileFiles::Replaced::ReadOnly: return LeftAlone(ProfileProblem::ReadOnly);
    case ProfileFiles::Replaced::Failed: break;
    }
    return LeftAlone(ProfileProblem::NotReplaced);
}
