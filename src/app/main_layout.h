#pragma once

#include <array>
#include <cstdint>

#include "platform/pixel_rect.h"

// The main window's font: Trebuchet MS at 9.75 pt.
inline constexpr int kMainFontHundredthsOfPoint = 975;

// Where one control goes, relative to its container's client area.
struct MainControlPlace {
    int id;         // ControlId
    int container;  // ControlId of its container; 0 for the main window
    PixelRect rect;
};

// The main window in pixels at one DPI.
struct MainLayout {
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    // In containment order: every container comes before what it holds.
    std::array<MainControlPlace, 11> controls{};
    // comFont with its list dropped: room for a dozen entries below the
    // closed combo, whose own height is controls' entry.
    std::int32_t comboDroppedHeight = 0;
    // One entry of the list: the family's name, and a sample in the family
    // at this em height (Bengali letters look small beside Latin ones of the
    // same size, so it is a little larger), with room above and below for
    // the letters that reach beyond the em; and the margin at either end and
    // between the two.
    std::int32_t listItemHeight = 0;
    std::int32_t sampleEmHeight = 0;
    std::int32_t listItemPadding = 0;

    // The place of the control with that identifier; empty for another.
    PixelRect RectOf(int id) const;
};

// The table of twips turned into pixels. Edges are rounded rather than
// sizes, so controls that do not overlap in twips never overlap in pixels
// and a control inside its container stays inside at every DPI.
MainLayout MainLayoutAt(int dpi);
