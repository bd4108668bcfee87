#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

// The registry as a program outside Glyphor sees it, for checking what a
// run of the program changed there.
namespace driver {

// A value's type and raw bytes; nothing when the key or the value is missing.
std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::wstring& path, const std::wstring& name);

// Every key under HKLM\SOFTWARE, HKCU and HKU\.DEFAULT ("HKLM\SOFTWARE\...")
// with its values by name. Links are recorded as links, not followed, so each
// key appears once.
using RegistrySnapshot = std::map<std::wstring, std::map<std::wstring, RegistryValue>>;
RegistrySnapshot SnapshotRegistry();

// One line per key or value added ("+"), removed ("-") or changed ("~");
// a value reads "KEY [NAME]".
std::vector<std::wstring> RegistryDifferences(const RegistrySnapshot& before, const RegistrySnapshot& after);

}  // namespace driver
