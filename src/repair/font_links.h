#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/font_settings.h"
#include "repair/plan.h"
#include "repair/read_value_text.h"

class FontCatalog;
class Registry;

// One base face's list as the registry holds it, each entry "FILE,Face" (a
// face may be followed by scaling numbers, or missing), and whether the
// entry's face writes Bengali. A list that could not be read has no entries.
struct LinkList {
    std::wstring face;
    std::vector<std::wstring> entries;
    std::vector<bool> bengali;
    bool unreadable = false;
};

// The lists of the interface faces that the key has, or may have but could
// not be read; a face it does not list is left out, so that no value is
// added for it.
std::vector<LinkList> ReadInterfaceLinks(Registry& registry, FontCatalog& fonts);

// The file a face is registered by: the bare name from the machine's Fonts
// key, or the full path from the user's; empty when neither names it.
// Unknown when a registration looked at before the one found could not be
// read: it might have named another file.
ValueText FindRegisteredFile(Registry& registry, std::wstring_view face);

// The entry the fix links a face by; empty when its file is unknown.
std::wstring LinkEntry(std::wstring_view file, std::wstring_view face);

// The entry that an earlier fix linked: the one for the face that the
// substitute of Vrinda names now. Empty when that is Vrinda itself or has
// no registered file; unknown when the substitute or that registration
// could not be read.
ValueText EarlierLinkEntry(Registry& registry);

// Appends the writes of every list that changes when `earlier` gives way to
// `entry`. Where a list, or an entry it would lose or gain, could not be
// read, that list's write is refused: what it would become is not known.
void AppendRelinks(std::vector<plan::Step>& steps, const std::vector<LinkList>& lists, const ValueText& earlier,
                   const ValueText& entry);

// The list with `earlier` taken out (only that exact entry, once) and
// `entry` put in front of the first entry that writes Bengali, or at the
// end, unless another entry links its face already; nothing when that
// leaves the list as it was. Either may be empty.
std::optional<std::vector<std::wstring>> RelinkList(const LinkList& list, std::wstring_view earlier,
                                                    std::wstring_view entry);
