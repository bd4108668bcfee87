#include "repair/describe_outcome.h"

#include <algorithm>

namespace {

std::wstring Join(const std::vector<std::wstring>& findings) {
    std::wstring text;
    for (const std::wstring& finding : findings) text += (text.empty() ? L"" : L"\r\n\r\n") + finding;
    return text;
}

void DescribeRemoval(const std::vector<VrindaFace>& faces, const std::vector<FaceAfter>& after,
                     std::vector<std::wstring>& findings) {
    const bool absent = std::all_of(faces.begin(), faces.end(), [](const VrindaFace& face) {
        return !face.inFontsKey && !face.fileInFolder && !face.backupIsFile;
    });
    if (absent) {
        findings.push_back(L"Vrinda is not installed on this computer, so there was nothing to take out of service. "
                           L"The new default font reaches the programs that ask for Vrinda by name.");
        return;
    }
    std::wstring protectedFaces;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const VrindaFace& face = faces[i];
        const FaceAfter& now = after[i];
        const std::wstring label = face.Label();
        if (now.registered) {
            findings.push_back(label + L" is still registered in Windows, so it loads again at the next start and "
                                       L"the new default font does not take effect. Glyphor could not change its "
                                       L"registration; run it again as an administrator.");
            continue;
        }
        // A file registered from outside the fonts folder is left where it is.
        if (face.backup.empty()) continue;
        if (now.fileInFolder && face.fileProtected) {
            protectedFaces += (protectedFaces.empty() ? L"" : L", ") + face.fontFile;
            continue;
        }
        const bool noBackup = !now.backupIsFile && !face.backup.empty();
        if (noBackup && face.backupOccupied) {
            findings.push_back(L"No backup of " + label + L" was made because a folder stands at " + face.backup +
                               L". Its file " + (now.fileInFolder ? L"stays in the Fonts folder." : L"is gone."));
        } else if (now.fileInFolder) {
            findings.push_back(label + L"'s file " + face.fontFile +
                               L" could not be moved out of the Fonts folder; Glyphor unregistered it instead, and "
                               L"it will not load from the next start.");
        } else if (noBackup && !face.fileInFolder && face.inFontsKey && !face.registered.empty()) {
            findings.push_back(L"No backup of " + label + L" was made because its file " + face.fontFile +
                               L" was not in the Fonts folder.");
        } else if (noBackup && face.fileInFolder) {
            findings.push_back(L"No backup of " + label + L" was made, and its file is no longer in the Fonts folder.");
        }
    }
    if (!protectedFaces.empty()) {
        findings.insert(findings.begin(),
                        L"Windows protects Vrinda's files, so they stay in the Fonts folder; Glyphor unregistered "
                        L"them instead, and they will not load from the next start. No backup was needed. (" +
                            protectedFaces + L")");
    }
}

void DescribeRestore(const std::vector<VrindaFace>& faces, const std::vector<FaceAfter>& after,
                     std::vector<std::wstring>& findings) {
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const VrindaFace& face = faces[i];
        const FaceAfter& now = after[i];
        if (face.file.empty()) continue;
        const std::wstring label = face.Label();
        const bool wasThere = face.inFontsKey || face.fileInFolder || face.backupIsFile;
        if (!now.fileInFolder) {
            if (!wasThere && label != L"Vrinda") continue;
            std::wstring text = label + L" is not installed: its file " + face.file +
                                L" is not in the Fonts folder, so Windows draws Bengali with another font until it "
                                L"is installed again.";
            text += now.backupIsFile ? L" Its backup is at " + face.backup + L"."
                                     : L" On Windows 10 and 11 it comes with the optional \u201CBangla Supplemental "
                                       L"Fonts\u201D feature.";
            findings.push_back(std::move(text));
        } else if (!now.registered) {
            findings.push_back(label + L"'s file is in the Fonts folder, but Glyphor could not register it again; it "
                                       L"will not load at the next start.");
        }
    }
}

}  // namespace

std::wstring DescribeOutcome(const plan::ReportOutcome& report, const std::vector<FaceAfter>& after) {
    std::vector<std::wstring> findings;
    if (report.of == plan::ReportOutcome::Of::Removal)
        DescribeRemoval(report.faces, after, findings);
    else
        DescribeRestore(report.faces, after, findings);
    findings.insert(findings.end(), report.notes.begin(), report.notes.end());
    return Join(findings);
}
