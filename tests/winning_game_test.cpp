#include "board/invariant.h"
#include "tests/board_player.h"
#include "tests/winning_jumps.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tintineables::testing {
namespace {

void PlayAllButTheLastJump(BoardPlayer& p) {
    for (std::size_t i = 0; i + 1 < WinningJumps.size(); ++i) {
        p.Jump(WinningJumps[i].first, WinningJumps[i].second);
        ASSERT_EQ(p.LastCue(), SoundCue::Place) << "jump " << i + 1;
        ASSERT_EQ(p.state.MoveCount, i + 2);
        ASSERT_EQ(CheckInvariant(p.state, false), "");
    }
}

TEST(WinningGame, The31stJumpIntoTheCentreIsApplauded) {
    BoardPlayer p;
    PlayAllButTheLastJump(p);
    p.Jump(19, 17);
    EXPECT_EQ(p.LastCue(), SoundCue::Applause);
    EXPECT_EQ(PegsOnHoles(p.state), 1);
    EXPECT_EQ(p.state.Board.At(4, 4), Peg);
    EXPECT_EQ(p.state.MoveCount, 31);
    EXPECT_EQ(CheckInvariant(p.state, true), "");

    // After the win the last peg can be picked up; every drop puts it back.
    p.Press(Key::Space);
    EXPECT_EQ(p.LastCue(), SoundCue::Select);
    p.Press(Key::Left);
    p.Press(Key::Left);
    p.Press(Key::Control);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.Board.At(4, 4), Peg);
    EXPECT_EQ(CheckInvariant(p.state, true), "");

    // F2 after the win: a full board, and a new win needs 31 more jumps.
    p.NewGameWithRestart();
    EXPECT_EQ(p.state.MoveCount, 1);
    EXPECT_EQ(PegsOnHoles(p.state), 32);
}

TEST(WinningGame, TheSameLastJumpLandingElsewhereIsOrdinary) {
    BoardPlayer p;
    PlayAllButTheLastJump(p);
    p.Jump(18, 20); // (5,4) over (6,4) to (7,4): the single peg is left off the centre
    EXPECT_EQ(p.LastCue(), SoundCue::Place);
    EXPECT_EQ(p.state.MoveCount, 32);
    EXPECT_EQ(PegsOnHoles(p.state), 1);
    EXPECT_EQ(CheckInvariant(p.state, false), "");
    EXPECT_EQ(std::count(p.heard.begin(), p.heard.end(), SoundCue::Applause), 0);
}

} // namespace
} // namespace tintineables::testing
