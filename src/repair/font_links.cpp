#include "repair/font_links.h"

#include <algorithm>

#include "common/text.h"
#include "fonts/font_catalog.h"
#include "platform/registry_access.h"
#include "repair/substitute_settings.h"

std::vector<LinkList> ReadInterfaceLinks(Registry& registry, FontCatalog& fonts) {
    std::vector<LinkList> lists;
    for (std::wstring_view face : kInterfaceFaces) {
        LinkEntries read = ReadLinkEntries(registry, face);
        if (read.unreadable) {
            lists.push_back({std::wstring(face), {}, {}, true});
            continue;
        }
        if (!read.entries) continue;
        LinkList list{std::wstring(face), std::move(*read.entries), {}};
        for (const std::wstring& entry : list.entries) list.bengali.push_back(WritesBengali(fonts, FaceOfLinkEntry(entry)));
        lists.push_back(std::move(list));
    }
    return lists;
}

ValueText FindRegisteredFile(Registry& registry, std::wstring_view face) {
    for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        for (std::wstring_view kind : {L" (TrueType)", L" (OpenType)"}) {
            ValueText file = ReadValueText(
                registry, {root, std::wstring(SubstituteSettings::kFontsPath), std::wstring(face) + std::wstring(kind)});
            if (file.unreadable || !file.text.empty()) return file;
        }
    }
    return {};
}

std::wstring LinkEntry(std::wstring_view file, std::wstring_view face) {
    if (file.empty() || face.empty()) return {};
    return std::wstring(file) + L"," + std::wstring(face);
}

ValueText EarlierLinkEntry(Registry& registry) {
    const ValueText face = ReadValueText(registry, SubstituteSettings::At(SubstituteSettings::kSubstitute));
    if (face.unreadable) return face;
    if (face.text.empty() || EqualNoCase(face.text, L"Vrinda")) return {};
    const ValueText file = FindRegisteredFile(registry, face.text);
    if (file.unreadable) return file;
    return {LinkEntry(file.text, face.text), std::nullopt};
}

void AppendRelinks(std::vector<plan::Step>& steps, const std::vector<LinkList>& lists, const ValueText& earlier,
                   const ValueText& entry) {
    const bool relinks = earlier.unreadable || entry.unreadable || !earlier.text.empty() || !entry.text.empty();
    for (const LinkList& list : lists) {
        plan::SetValue write;
        write.where = {RegistryRoot::LocalMachine, std::wstring(kSystemLinkPath), list.face};
        const std::optional<plan::ValueRef> unknown = list.unreadable ? write.where
                                                      : earlier.unreadable ? earlier.unreadable
                                                                           : entry.unreadable;
        if (unknown) {
            if (relinks) steps.push_back(plan::Refused(std::move(write), *unknown));
            continue;
        }
        auto entries = RelinkList(list, earlier.text, entry.text);
        if (!entries) continue;
        write.value = mRegistry::MultiStringValue(*entries);
        steps.push_back({std::move(write)});
    }
}

std::optional<std::vector<std::wstring>> RelinkList(const LinkList& list, std::wstring_view earlier,
                                                    std::wstring_view entry) {
    std::vector<std::wstring> entries;
    std::vector<bool> bengali;
    bool removed = false;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (!removed && !earlier.empty() && list.entries[i] == earlier) {
            removed = true;
            continue;
        }
        entries.push_back(list.entries[i]);
        bengali.push_back(i < list.bengali.size() && list.bengali[i]);
    }
    // A face linked already by someone else's entry keeps that entry and gets
    // no second one, which Restore could not tell from its own.
    const std::wstring_view face = FaceOfLinkEntry(entry);
    const bool linked = std::any_of(entries.begin(), entries.end(),
                                    [&](const std::wstring& other) { return EqualNoCase(FaceOfLinkEntry(other), face); });
    if (!entry.empty() && !linked) {
        const auto first = std::find(bengali.begin(), bengali.end(), true);
        entries.insert(entries.begin() + (first - bengali.begin()), std::wstring(entry));
    }
    if (entries == list.entries) return std::nullopt;
    return entries;
}
