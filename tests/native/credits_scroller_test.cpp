#include "about/credits_scroller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "about/credit_lines.h"
#include "pixel_grid_surface.h"

namespace {

constexpr std::int32_t W = 249, H = 145, L = 16;
constexpr std::uint32_t kFrameStep = 26;

std::vector<std::wstring> NumberedLines(int count) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < count; ++i) lines.push_back(L"line " + std::to_wstring(i));
    return lines;
}

// A prepared and started scroller over a pixel grid, with a clock that
// stands well away from zero unless a test says otherwise.
struct Rig {
    explicit Rig(std::vector<std::wstring> lines = NumberedLines(33), std::int32_t width = W)
        : surface(width, H, L), scroller(surface, std::move(lines)) {
        surface.tick = 1'000'000;
        scroller.Prepare();
        scroller.Start();
    }
    ScrollTurn TurnAt(std::uint32_t tick) {
        surface.tick = tick;
        return scroller.Turn();
    }
    // Draws frames one frame interval apart; the first comes at once.
    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(scroller.Turn(), ScrollTurn::Drew) << "frame " << surface.scrolls + 1;
            surface.tick += kFrameStep;
        }
    }
    // The first drawing of a text: its frame and rectangle.
    std::optional<PixelGridSurface::Draw> FirstDraw(const std::wstring& text) const {
        for (const auto& draw : surface.draws)
            if (draw.text == text) return draw;
        return std::nullopt;
    }
    bool Blank() const {
        for (const auto& pixel : surface.pixels())
            if (pixel != PixelGridSurface::Pixel{}) return false;
        return true;
    }

    PixelGridSurface surface;
    CreditsScroller scroller;
};

TEST(CreditsScroller, PreparesTheScrollAreaAndTheFirstLineBelowTheVisibleRows) {
    Rig rig;
    EXPECT_EQ(rig.scroller.scrollRect(), (PixelRect{0, 1, 249, 145}));
    EXPECT_EQ(rig.scroller.textRect(), (PixelRect{0, 145, 249, 161}));
    EXPECT_EQ(rig.scroller.drawFormat(), 1);

    rig.Frames(17);
    EXPECT_EQ(rig.scroller.textRect(), (PixelRect{0, 128, 249, 144}));
    EXPECT_TRUE(rig.Blank());
    rig.Frames(1);
    ASSERT_EQ(rig.surface.draws.size(), 18u);
    EXPECT_EQ(rig.surface.draws.back().text, L"line 0");
    EXPECT_EQ(rig.surface.draws.back().rect, (PixelRect{0, 144, 249, 160}));
    EXPECT_EQ(rig.surface.draws.back().format, 1);
    EXPECT_EQ(rig.scroller.textRect(), (PixelRect{0, 143, 249, 159}));
}

TEST(CreditsScroller, DrawsAFrameOnlyWhenMoreThan25msHavePassed) {
    Rig rig;
    ASSERT_EQ(rig.TurnAt(5000), ScrollTurn::Drew);
    EXPECT_EQ(rig.TurnAt(5000 + 25), ScrollTurn::Waited);
    EXPECT_EQ(rig.surface.scrolls, 1);
    EXPECT_EQ(rig.TurnAt(5000 + 26), ScrollTurn::Drew);
    EXPECT_EQ(rig.surface.scrolls, 2);
}

TEST(CreditsScroller, TimesTheNextFrameFromTheClockReadAtTheFrame) {
    Rig rig;
    rig.surface.advancePerRead = 5;
    ASSERT_EQ(rig.TurnAt(5000), ScrollTurn::Drew);  // the frame read 5005
    rig.surface.advancePerRead = 0;
    EXPECT_EQ(rig.TurnAt(5030), ScrollTurn::Waited);
    EXPECT_EQ(rig.TurnAt(5031), ScrollTurn::Drew);
}

TEST(CreditsScroller, KeepsItsPaceWhileTheTickCountPassesHalfwayAndWraps) {
    for (const std::uint32_t start : {0x7FFF'FFC0u, 0xFFFF'FFC0u, 0xFFFF'FFFFu}) {
        SCOPED_TRACE(start);
        Rig rig;
        rig.surface.tick = start;
        rig.Frames(5);  // crosses 2^31 or 2^32 on the way
        const std::uint32_t last = rig.surface.tick - kFrameStep;
        EXPECT_EQ(rig.TurnAt(last + 25), ScrollTurn::Waited);
        EXPECT_EQ(rig.TurnAt(last + 26), ScrollTurn::Drew);
    }
}

TEST(CreditsScroller, TellsHowLongUntilTheNextFrameAcrossTheWrap) {
    for (const std::uint32_t start : {5000u, 0xFFFF'FFF0u}) {
        SCOPED_TRACE(start);
        Rig rig;
        ASSERT_EQ(rig.TurnAt(start), ScrollTurn::Drew);
        EXPECT_EQ(rig.scroller.MillisecondsUntilDue(), 26u);
        rig.surface.tick = start + 20;  // past 2^32 for the second start
        EXPECT_EQ(rig.scroller.MillisecondsUntilDue(), 6u);
        rig.surface.tick = start + 25;
        EXPECT_EQ(rig.scroller.MillisecondsUntilDue(), 1u);
        EXPECT_EQ(rig.TurnAt(start + 25), ScrollTurn::Waited);
        rig.surface.tick = start + 26;
        EXPECT_EQ(rig.scroller.MillisecondsUntilDue(), 0u);
        EXPECT_EQ(rig.TurnAt(start + 26), ScrollTurn::Drew);
    }
}

TEST(CreditsScroller, ScrollsFromTheFirstTurnAtAnyUptime) {
    for (const std::uint32_t uptime : {26u, 0x8000'0000u, 0xFFFF'FFFFu}) {
        Rig rig;
        EXPECT_EQ(rig.TurnAt(uptime), ScrollTurn::Drew) << uptime;
    }
}

TEST(CreditsScroller, RevealsEachLineFromTheBottomRowOneRowPerFrameAndLineHeightApart) {
    Rig rig;
    rig.Frames(L + 1);
    EXPECT_TRUE(rig.Blank());

    rig.Frames(1);
    const auto line0 = rig.FirstDraw(L"line 0");
    ASSERT_TRUE(line0);
    EXPECT_EQ(line0->frame, L + 2);
    EXPECT_EQ(line0->rect.top, H - 1);
    // The frame's scroll has lifted that row by one and cleared the bottom.
    EXPECT_EQ(rig.surface.Row(H - 2), rig.surface.Ink(L"line 0", 0));
    EXPECT_EQ(rig.surface.Row(H - 1), PixelGridSurface::Pixel{});

    rig.Frames(L - 1);  // line 0 is complete now, and right above the bottom row
    for (int row = 0; row < L; ++row)
        EXPECT_EQ(rig.surface.Row(H - 1 - L + row), rig.surface.Ink(L"line 0", row)) << row;
    EXPECT_FALSE(rig.FirstDraw(L"line 1"));

    rig.Frames(1);
    const auto line1 = rig.FirstDraw(L"line 1");
    ASSERT_TRUE(line1);
    EXPECT_EQ(line1->frame, line0->frame + L);
    EXPECT_EQ(line1->rect.top, H - 1);
}

TEST(CreditsScroller, StartsOverAfterTheLastLineAtTheSamePitchCycleAfterCycle) {
    const int cycle = 33 * L;
    Rig rig(NumberedLines(33), 4);
    rig.Frames(L + 1 + cycle);  // the first pass has filled the picture
    const auto pictureBefore = rig.surface.pixels();
    const auto rectBefore = rig.scroller.textRect();
    rig.Frames(2 * cycle);

    // A fetch is the first frame that draws a text other than the last one.
    std::vector<const PixelGridSurface::Draw*> fetches;
    for (const auto& draw : rig.surface.draws)
        if (!draw.text.empty() && (fetches.empty() || fetches.back()->text != draw.text)) fetches.push_back(&draw);
    ASSERT_EQ(fetches.size(), 3u * 33u);
    for (std::size_t i = 0; i < fetches.size(); ++i) {
        EXPECT_EQ(fetches[i]->text, L"line " + std::to_wstring(i % 33)) << i;
        EXPECT_EQ(fetches[i]->frame, L + 2 + static_cast<int>(i) * L) << i;
        EXPECT_EQ(fetches[i]->rect.top, H - 1) << i;
    }
    // Two passes later everything is where it was: nothing drifts or grows.
    EXPECT_EQ(rig.surface.pixels(), pictureBefore);
    EXPECT_EQ(rig.scroller.textRect(), rectBefore);
}

TEST(CreditsScroller, NeverTouchesTheTopRowButCarriesLinesUpToTheRowBelowIt) {
    const std::int32_t width = 8;
    Rig rig(CreditLines(), width);
    const auto& pixels = rig.surface.pixels();
    bool row0Touched = false, row1Reached = false;
    for (int frame = 0; frame < 2 * 33 * L; ++frame) {
        rig.Frames(1);
        row0Touched = row0Touched || std::any_of(pixels.begin(), pixels.begin() + width,
                                                 [](const auto& pixel) { return pixel != PixelGridSurface::Pixel{}; });
        row1Reached = row1Reached || rig.surface.Row(1) != PixelGridSurface::Pixel{};
    }
    EXPECT_FALSE(row0Touched);
    EXPECT_TRUE(row1Reached);
}

TEST(CreditsScroller, AStopEndsTheRunAtTheNextTurnWithoutAnotherFrame) {
    Rig rig;
    rig.Frames(L + 5);
    const auto picture = rig.surface.pixels();
    const auto draws = rig.surface.draws.size();

    rig.scroller.Stop();  // as a click handled in the turn's message pump
    EXPECT_EQ(rig.TurnAt(rig.surface.tick + 1000), ScrollTurn::Stopped);
    EXPECT_EQ(rig.TurnAt(rig.surface.tick + 1000), ScrollTurn::Stopped);
    EXPECT_FALSE(rig.scroller.running());
    EXPECT_EQ(rig.surface.draws.size(), draws);
    EXPECT_EQ(rig.surface.pixels(), picture);
}

TEST(CreditsScroller, DoesNothingBeforeItIsStarted) {
    PixelGridSurface surface(W, H, L);
    CreditsScroller scroller(surface, NumberedLines(33));
    scroller.Prepare();
    surface.tick = 5000;
    EXPECT_EQ(scroller.Turn(), ScrollTurn::Stopped);
    EXPECT_TRUE(surface.draws.empty());
}

TEST(CreditsScroller, AStartMidRunBeginsAgainWithTheFirstLineWherePicturesLeftOff) {
    Rig rig;
    rig.Frames(L + 2 + L + 3);  // line 1 is partly revealed
    const auto rect = rig.scroller.textRect();
    rig.scroller.Start();
    rig.Frames(1);
    EXPECT_EQ(rig.surface.draws.back().text, L"");  // no line until the next fetch
    EXPECT_EQ(rig.surface.draws.back().rect, rect);
    rig.Frames(L - 4);
    EXPECT_EQ(rig.surface.draws.back().text, L"line 0");
}

TEST(CreditsScroller, DrawsLinesWithoutLeadingAndTrailingSpaces) {
    Rig rig({L"  two  inner  spaces ", L" \tkept tabs\t ", L"   "});
    rig.Frames(L + 2 + 2 * L);
    std::vector<std::wstring> fetched;
    for (const auto& draw : rig.surface.draws)
        if (fetched.empty() || fetched.back() != draw.text) fetched.push_back(draw.text);
    EXPECT_EQ(fetched, (std::vector<std::wstring>{L"", L"two  inner  spaces", L"\tkept tabs\t", L""}));
}

TEST(CreditsScroller, ScrollsABlankPictureWhenThereAreNoLines) {
    Rig rig(std::vector<std::wstring>{});
    rig.Frames(3 * L);
    EXPECT_TRUE(rig.Blank());
}

}  // namespace
