#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "repair/plan.h"

// A value's state for a .reg file: its data, or nothing to delete it.
using RegEntry = std::pair<plan::ValueRef, std::optional<RegistryValue>>;

// The predefined key's name as .reg files and regedit write it.
std::wstring RootName(RegistryRoot root);

// A value as a line of text names it: "HKEY_LOCAL_MACHINE\\...\\Fonts [Vrinda (TrueType)]".
std::wstring ValuePath(const plan::ValueRef& where);

// A step in a few words for a line of text, such as "set
// HKEY_LOCAL_MACHINE\...\FontSubstitutes [Vrinda]" or "move A to B".
std::wstring DescribeStep(const plan::Action& action);

// A .reg file as regedit reads it ("Windows Registry Editor Version 5.00"):
// the entries grouped by key in the order given, CR LF line ends. Values of
// other types than text and number are written as hex(type):bytes.
std::wstring RenderRegFile(const std::vector<RegEntry>& entries);

// What a plan would do, for a dry run: the .reg file of every registry change
// it makes (a change that waits for a condition is noted above its key),
// then its other steps, one a line, each with its condition. What it
// refuses comes first, as comments (see DescribeRefusals), and nowhere else.
std::wstring RenderPlan(const plan::Plan& steps);
