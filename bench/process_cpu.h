#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Processor time a process has used so far, in milliseconds of one core.
//
// Under Wine a Windows process is a Linux process, and the host's /proc
// tells its threads' run time to the nanosecond. Wine's GetProcessTimes
// answers for another process with a small part of it only (see
// about_cpu_bench.cpp), so under Wine the figure comes from /proc, reached
// through drive Z:. On Windows there is no /proc, and GetProcessTimes is
// right.
namespace bench {

// The Linux process of the Wine process running that image (e.g.
// "glyphor.exe", as /proc/<pid>/stat names it) in this run's prefix:
// other runs, in prefixes of their own, may run the same image. Nothing
// when not under Wine or not found.
std::optional<unsigned long> HostProcessOf(const std::string& image);

// The run time of all the host process's threads; nothing once it is gone.
std::optional<double> HostCpuMs(unsigned long hostProcess);

// Kernel and user time as GetProcessTimes reports them.
std::optional<double> WindowsCpuMs(HANDLE process);

}  // namespace bench
