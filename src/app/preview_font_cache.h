#pragma once

#include <cstddef>
#include <functional>
#include <list>
#include <string>
#include <string_view>
#include <utility>

// The fonts the font list's previews are drawn in. Each is made once, the
// first time its family is drawn, and kept while it is among the families
// drawn most recently: a system with a thousand Bengali families costs no
// more fonts than capacity, and scrolling the list makes none anew.
template <typename Font>
class PreviewFontCache {
public:
    using MakeFont = std::function<Font(std::wstring_view family)>;

    PreviewFontCache(std::size_t capacity, MakeFont make) : capacity_(capacity), make_(std::move(make)) {}

    // The family's font; the least recently drawn one goes when the cache is full.
    const Font& FontFor(std::wstring_view family) {
        for (auto kept = fonts_.begin(); kept != fonts_.end(); ++kept) {
            if (kept->first != family) continue;
            fonts_.splice(fonts_.begin(), fonts_, kept);
            return fonts_.front().second;
        }
        if (fonts_.size() >= capacity_) fonts_.pop_back();
        fonts_.emplace_front(std::wstring(family), make_(family));
        return fonts_.front().second;
    }

    // Lets every font go, as when the DPI they were made for changes.
    void Clear() { fonts_.clear(); }
    std::size_t size() const { return fonts_.size(); }

private:
    std::size_t capacity_;
    MakeFont make_;
    std::list<std::pair<std::wstring, Font>> fonts_;  // most recently drawn first
};
