#include "about/credit_lines.h"

#include <array>

namespace {

constexpr std::array<std::wstring_view, 33> kCredits = {
    L":: Glyphor  ::",
    L"by",
    L"Orrinel",
    L"",
    L"",
    L":: Developer ::",
    L"",
    L"Nilay Dastidar",
    L"Design and Programming",
    L"Orrinel",
    L"www.orrinel.example",
    L"",
    L"",
    L":: Credits ::",
    L"",
    L"Pritha Sanyal",
    L"Font Testing",
    L"Shapla Type Collective",
    L"www.shaplatype.example",
    L"",
    L"Ujjal Haldar",
    L"Font Testing",
    L"Shapla Type Collective",
    L"www.shaplatype.example",
    L"",
    L"Dr. Meghna Rakshit",
    L"Lecturer, Padma Institute",
    L"www.padmainstitute.example",
    L"",
    L"Bengali Open Text Group",
    L"www.bengaliopentext.example",
    L"",
    L"",
};

}  // namespace

std::vector<std::wstring> CreditLines() { return {kCredits.begin(), kCredits.end()}; }
