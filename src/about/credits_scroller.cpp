#include "about/credits_scroller.h"

#include <utility>

#include "common/text.h"

CreditsScroller::CreditsScroller(ScrollSurface& surface, std::vector<std::wstring> creditLines)
    : surface_(surface), creditLines_(std::move(creditLines)) {}

void CreditsScroller::Prepare() {
    const std::int32_t width = surface_.innerWidth();
    const std::int32_t height = surface_.innerHeight();
    scrollRect_ = {0, 1, width, height};
    textRect_ = {0, height, width, height + surface_.lineHeight()};
}

void CreditsScroller::Start() {
    running_ = true;
    nextLine_ = 0;
    currentLine_.clear();
}

void CreditsScroller::Stop() { running_ = false; }

ScrollTurn CreditsScroller::Turn() {
    // The test that closes the previous turn, after its message pump: a stop
    // that came in the pump ends the run; a finished pass starts over.
    if (!running_) return ScrollTurn::Stopped;
    if (nextLine_ > static_cast<std::int32_t>(creditLines_.size()) - 1) Start();

    const std::uint32_t now = surface_.tickCount();
    // Unsigned, so that the tick count wrapping at 2^32 costs no frame.
    if (now - lastTick_ <= kFrameIntervalMs) return ScrollTurn::Waited;
    DrawFrame();
    return ScrollTurn::Drew;
}

std::uint32_t CreditsScroller::MillisecondsUntilDue() const {
    return MillisecondsUntilDue(surface_.tickCount() - lastTick_);
}

void CreditsScroller::DrawFrame() {
    // Read again rather than reusing the turn's reading.
    lastTick_ = surface_.tickCount();
    if (surface_.innerHeight() > textRect_.bottom) FetchLine();
    // The current line goes on being drawn, one row higher each frame, until
    // the next is fetched; each frame reveals one more of its pixel rows.
    surface_.drawText(currentLine_, textRect_, kCentered);
    textRect_ = Offset(textRect_, 0, -1);
    surface_.scrollUp(scrollRect_, scrollRect_);
    surface_.clearBottomRow();
}

void CreditsScroller::FetchLine() {
    textRect_ = Offset(textRect_, 0, surface_.lineHeight());
    if (static_cast<std::size_t>(nextLine_) < creditLines_.size()) {
        // Surrounding blanks would push a centred line off the centre.
        currentLine_ = TrimBlanks(creditLines_[static_cast<std::size_t>(nextLine_)]);
    }
    ++nextLine_;
}
