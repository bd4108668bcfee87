#include "platform/folder_path.h"

namespace mGetLocation {

std::wstring FolderPathWithSeparator(std::wstring_view path) {
    std::wstring folder(path);
    // An empty path stays empty: "\" alone would name the root of the current drive.
    if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
    return folder;
}

}  // namespace mGetLocation
