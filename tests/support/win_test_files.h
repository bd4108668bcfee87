#pragma once

#include <windows.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The folder of the running test executable, where the build puts the
// stand-in Vrinda font and the helper programs.
inline std::wstring TestExecutableFolder() {
    std::array<wchar_t, MAX_PATH> self{};
    GetModuleFileNameW(nullptr, self.data(), MAX_PATH);
    const std::wstring path(self.data());
    return path.substr(0, path.rfind(L'\\') + 1);
}

inline std::wstring StandInVrinda() { return TestExecutableFolder() + L"vrinda-standin.ttf"; }

// A fresh, empty folder under the temporary folder, ending in "\".
inline std::wstring FreshTempFolder(const std::wstring& name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.wstring() + L"\\";
}

// A file's bytes, or "(missing)".
inline std::string FileContents(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
