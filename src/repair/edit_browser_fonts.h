#pragma once

#include "repair/plan.h"

class ProfileFiles;

struct ProfileEditOutcome {
    enum class Result { Done, Unchanged, LeftAlone } result = Result::LeftAlone;
    plan::ProfileProblem problem = plan::ProfileProblem::None;  // why, when left alone
};

// Carries out one profile's edit: the settings read and edited as text
// and, where that changes them and no browser holds the profile, put in
// the old file's place in one step. A profile left alone is left byte for
// byte as it was; one already as asked is no matter, its browser open or not.
ProfileEditOutcome EditBrowserProfile(ProfileFiles& files, const plan::EditBrowserFonts& edit);
