#include "process_cpu.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace bench {
namespace {

namespace fs = std::filesystem;

const fs::path kProc = L"Z:\\proc";

std::string Contents(const fs::path& file) {
    // The files of /proc have no size; they are read to their end.
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The name between the parentheses of /proc/<pid>/stat, which may itself
// hold parentheses and blanks.
std::string NameIn(const std::string& stat) {
    const auto open = stat.find('('), close = stat.rfind(')');
    return open == std::string::npos || close == std::string::npos || close < open
               ? std::string()
               : stat.substr(open + 1, close - open - 1);
}

std::string OwnPrefixEntry() {
    const char* prefix = std::getenv("WINEPREFIX");
    return prefix ? "WINEPREFIX=" + std::string(prefix) + '\0' : std::string();
}

}  // namespace

std::optional<unsigned long> HostProcessOf(const std::string& image) {
    const std::string prefixEntry = OwnPrefixEntry();
    if (prefixEntry.empty()) return std::nullopt;
    std::error_code error;
    for (fs::directory_iterator entry(kProc, error), end; !error && entry != end; entry.increment(error)) {
        const std::wstring name = entry->path().filename().wstring();
        if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        // The kernel keeps the first 15 bytes of a name.
        if (NameIn(Contents(entry->path() / L"stat")) != image.substr(0, 15)) continue;
        // The environment starts with an entry too, so each is sought after
        // the end of the one before.
        if (('\0' + Contents(entry->path() / L"environ")).find('\0' + prefixEntry) == std::string::npos) continue;
        return std::stoul(name);
    }
    return std::nullopt;
}

std::optional<double> HostCpuMs(unsigned long hostProcess) {
    // The first figure of each thread's schedstat is its run time in
    // nanoseconds; /proc/<pid>/stat has it in ticks of 10 ms only.
    std::error_code error;
    double nanoseconds = 0;
    bool any = false;
    for (fs::directory_iterator task(kProc / std::to_wstring(hostProcess) / L"task", error), end; !error && task != end;
         task.increment(error)) {
        std::istringstream figures(Contents(task->path() / L"schedstat"));
        double runTime = 0;
        if (figures >> runTime) {
            nanoseconds += runTime;
            any = true;
        }
    }
    return any ? std::optional<double>(nanoseconds / 1e6) : std::nullopt;
}

std::optional<double> WindowsCpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return std::nullopt;
    const auto ms = [](const FILETIME& time) {
        return static_cast<double>(static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

}  // namespace bench
