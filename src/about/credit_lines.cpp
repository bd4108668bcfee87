#include "about/credit_lines.h"

#include <array>

namespace {

constexpr std::wstring_view kLineBreak = L"\r\n";

// Every line but the last, which is the empty one after the final break.
constexpr std::array<std::wstring_view, 32> kCredits = {
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
};

}  // namespace

std::wstring CreditsText() {
    std::wstring text;
    for (const auto line : kCredits) {
        text += line;
        text += kLineBreak;
    }
    return text;
}

std::vector<std::wstring> SplitAtLineBreaks(std::wstring_view text) {
    std::vector<std::wstring> lines;
    for (;;) {
        const auto at = text.find(kLineBreak);
        lines.emplace_back(text.substr(0, at));
        if (at == std::wstring_view::npos) return lines;
        text.remove_prefix(at + kLineBreak.size());
    }
}

std::vector<std::wstring> CreditLines() { return SplitAtLineBreaks(CreditsText()); }
