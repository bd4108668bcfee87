#pragma once

#include <string>
#include <vector>

#include "repair/plan.h"
#include "repair/vrinda_faces.h"

// How a Vrinda face stands once the fix or the restore has run.
struct FaceAfter {
    bool fileInFolder = false;
    bool backupIsFile = false;
    bool registered = false;  // its Fonts-key value names a file
};

// What went otherwise than the fix or the restore announced, in plain words
// and with what the user may need to do; empty when all went as announced.
// `before` and `after` are index for index.
std::wstring DescribeOutcome(const plan::ReportOutcome& report, const std::vector<FaceAfter>& after);
