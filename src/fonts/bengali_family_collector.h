#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace mFontEnum {

// Gathers the Bengali families of one font enumeration, in the order the
// platform reports them.
class BengaliFamilyCollector {
public:
    // The family's coverage bytes (GLYPHSET layout); empty when the platform
    // could not give them.
    using CoverageReader = std::function<std::vector<std::uint8_t>()>;

    // One enumerated family. faceField is the platform's fixed face-name
    // field; the name ends at its first NUL, or with the field. The platform
    // reports a family once per character set, so a family met before is
    // neither read again nor listed twice.
    void Offer(std::wstring_view faceField, const CoverageReader& readCoverage);

    const std::vector<std::wstring>& Families() const noexcept { return families_; }

private:
    std::vector<std::wstring> families_;
    std::set<std::wstring, std::less<>> seen_;
};

}  // namespace mFontEnum
