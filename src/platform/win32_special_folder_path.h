#pragma once

#include <string>

namespace mGetLocation {

// The file-system path of a shell special folder (a CSIDL_ value), ending
// in "\"; empty when the shell does not know the folder or it has no path.
std::wstring GetSpecialFolderPath(int csidl);

}  // namespace mGetLocation
