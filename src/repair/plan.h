#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "browsers/find_browser_profiles.h"
#include "common/prompts.h"
#include "platform/registry.h"
#include "repair/vrinda_faces.h"

// A change to the system as data: what the fix or the restore will do, in
// order, decided before anything is done. ApplyPlan carries it out;
// RenderPlanAsReg shows it.
namespace plan {

struct ValueRef {
    RegistryRoot root;
    std::wstring path;
    std::wstring name;

    bool operator==(const ValueRef&) const = default;
};

// Stores a value. A non-empty `failure` is shown as an error box when the
// write fails, and nothing after it runs.
struct SetValue {
    ValueRef where;
    RegistryValue value;
    std::wstring failure;
};
struct DeleteValue {
    ValueRef where;
};
// Unregisters a font for this session, by the first name that works.
struct UnregisterFont {
    std::vector<std::wstring> names;
};
struct RegisterFont {
    std::wstring path;
};
struct BroadcastFontChange {};
struct MoveFile {
    std::wstring from, to;
};
struct CopyFile {
    std::wstring from, to;
};
struct DeleteFile {
    std::wstring path;
};
struct ShowMessage {
    std::wstring text, title;
    MessageIcon icon;
};
// What a question asks, and about which face: the name its answer goes by.
struct Question {
    enum class Asks {
        CopyBackupBack,  // copy the face's backup back into the fonts folder
    } asks;
    std::wstring face;  // the face's value name in the Fonts key

    bool operator==(const Question&) const = default;
};
struct AskYesNo {
    Question question;
    std::wstring text, title;
};
// Looks at what the steps before really achieved and, when it is not what
// was announced, says so in one box (see describe_outcome.h).
struct ReportOutcome {
    enum class Of { Removal, Restore } of;
    std::vector<VrindaFace> faces;    // as they stood before the plan
    std::vector<std::wstring> notes;  // known when planning, such as a link not made
};
struct OfferRestart {
    std::wstring text;
};

// Why a browser profile's Bengali fonts were left as they were.
enum class ProfileProblem {
    None,
    Open,        // its browser runs, and would write its own settings back at exit
    Unreadable,  // the settings file could not be read, or is not what Glyphor can read
    ReadOnly,
    NotReplaced, // Windows did not let the new file take the old one's place
    Gone,        // the profile's settings file is no longer there
    Moved,       // a policy keeps the profiles where Glyphor cannot follow
};

// Names `face` as the profile's Bengali fonts, or with no face gives back
// what an earlier fix took from them. The settings file is read, edited and
// replaced when the step's turn comes; `seen` is how the profile stood when
// planning.
struct EditBrowserFonts {
    BrowserProfile profile;
    std::optional<std::wstring> face;
    ProfileProblem seen = ProfileProblem::None;
};

using Action = std::variant<SetValue, DeleteValue, UnregisterFont, RegisterFont, BroadcastFontChange, MoveFile,
                            CopyFile, DeleteFile, ShowMessage, AskYesNo, ReportOutcome, OfferRestart, EditBrowserFonts>;

// Conditions checked when the step's turn comes; all must hold.
struct When {
    bool unregistered = false;      // an earlier UnregisterFont of the plan worked
    std::optional<Question> yesTo;  // this question was asked and answered Yes
    std::wstring fileAt;            // a file is at this path
    std::wstring nothingAt;         // no file is at this path

    static When Unregistered() {
        When when;
        when.unregistered = true;
        return when;
    }
    When& AndYesTo(Question question) {
        yesTo = std::move(question);
        return *this;
    }
    When& AndFileAt(std::wstring path) {
        fileAt = std::move(path);
        return *this;
    }
    When& AndNothingAt(std::wstring path) {
        nothingAt = std::move(path);
        return *this;
    }

    bool operator==(const When&) const = default;
};

struct Step {
    Action action;
    When when{};
    // From what was observed when planning: carrying it out would change the
    // system. False for a value already as asked or a file already where it
    // is to be; true where the effect cannot be known beforehand.
    bool changes = true;
    // A value the step would change, or is worked out from, exists perhaps
    // but could not be read: the step is refused, never carried out, for
    // taken as missing that value would be overwritten or misread.
    std::optional<ValueRef> unreadable = std::nullopt;
};

// The step refused for the unreadable value it depends on.
inline Step Refused(Action action, ValueRef unreadable) { return {std::move(action), {}, true, std::move(unreadable)}; }

using Plan = std::vector<Step>;

// The steps that change the system, as against those that show or ask.
inline bool IsChange(const Action& action) {
    return std::holds_alternative<SetValue>(action) || std::holds_alternative<DeleteValue>(action) ||
           std::holds_alternative<UnregisterFont>(action) || std::holds_alternative<RegisterFont>(action) ||
           std::holds_alternative<MoveFile>(action) || std::holds_alternative<CopyFile>(action) ||
           std::holds_alternative<DeleteFile>(action) || std::holds_alternative<EditBrowserFonts>(action);
}

// A value as it stood when the plan was made; nothing when it was missing
// or could not be read.
struct ObservedValue {
    ValueRef where;
    std::optional<RegistryValue> value;
    bool unreadable = false;
};

// The write of a value: it changes the value unless that was observed as
// asked already, and is refused when the value could not be read.
inline Step Write(const std::vector<ObservedValue>& observed, SetValue write) {
    for (const ObservedValue& seen : observed) {
        if (seen.where != write.where) continue;
        if (seen.unreadable) return Refused(std::move(write), seen.where);
        const bool changes = seen.value != write.value;
        return {std::move(write), {}, changes};
    }
    return {std::move(write)};
}

}  // namespace plan
