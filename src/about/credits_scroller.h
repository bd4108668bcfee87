#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixel_rect.h"
#include "about/scroll_surface.h"

enum class ScrollTurn {
    Stopped,  // the scroller is not running; nothing was drawn
    Waited,   // running, but no frame was due yet
    Drew,     // one frame was drawn
};

// Rolls the credit lines up through the picture one pixel row per frame,
// each line entering centred at the bottom edge, and starts over after the
// last line. It never loops by itself: the owner calls Turn() from its own
// message loop (a timer), so that scrolling costs next to no processor time;
// the messages handled between two turns are the turn's message pump.
class CreditsScroller {
public:
    // The format the lines are drawn with: centred, nothing else.
    static constexpr std::int32_t kCentered = 1;
    // A frame is due only when more than this many milliseconds have passed.
    static constexpr std::uint32_t kFrameIntervalMs = 25;

    CreditsScroller(ScrollSurface& surface, std::vector<std::wstring> creditLines);

    // Places the scroll area and the first line's rectangle from the
    // picture's measures; the first line enters just below the visible rows.
    void Prepare();
    // Begins again from the first line; the picture, the rectangles and the
    // time of the last frame stay as they are.
    void Start();
    // Takes effect at the next turn, which then draws nothing.
    void Stop();
    // One turn: draws a frame if one is due.
    ScrollTurn Turn();
    // How long from now until the next frame is due; 0 when it is due now.
    // The owner sleeps that long between turns instead of turning in vain.
    std::uint32_t MillisecondsUntilDue() const;
    // The same, for a given time since the last frame.
    static constexpr std::uint32_t MillisecondsUntilDue(std::uint32_t sinceLastFrame) {
        return sinceLastFrame > kFrameIntervalMs ? 0 : kFrameIntervalMs + 1 - sinceLastFrame;
    }

    bool running() const { return running_; }
    static constexpr std::int32_t drawFormat() { return kCentered; }
    const PixelRect& textRect() const { return textRect_; }
    const PixelRect& scrollRect() const { return scrollRect_; }

private:
    void DrawFrame();
    void FetchLine();

    ScrollSurface& surface_;
    std::vector<std::wstring> creditLines_;
    bool running_ = false;
    std::uint32_t lastTick_ = 0;
    std::int32_t nextLine_ = 0;
    PixelRect textRect_;
    PixelRect scrollRect_;
    std::wstring currentLine_;
};
