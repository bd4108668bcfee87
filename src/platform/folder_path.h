#pragma once

#include <string>
#include <string_view>

namespace mGetLocation {

// A folder path as callers join file names to it: ending in one "\", or
// empty when the shell gave no path at all.
std::wstring FolderPathWithSeparator(std::wstring_view path);

}  // namespace mGetLocation
