// Backspace on the board: a jump taken back, a peg in hand put back, nothing to take back.
#include "board/hole_table.h"
#include "board/invariant.h"
#include "board/undo.h"
#include "tests/board_player.h"
#include "tests/published_games.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

// Every cell of the grid, so that two states can be compared whole.
std::vector<std::int16_t> Cells(const GameState& state) {
    std::vector<std::int16_t> cells;
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            cells.push_back(state.Board.At(x, y));
        }
    }
    return cells;
}

// Backspace as the screen handles it: the rule, then the arrival on the hole it names.
void PressBackspace(BoardPlayer& p) {
    const HoleKeyResult result = Undo(p.state);
    if (result.cue) {
        p.heard.push_back(*result.cue);
    }
    if (result.focusHole) {
        p.Focus(*result.focusHole);
        p.won = false;
    }
}

TEST(Undo, TakesBackEveryPublishedGameJumpByJumpToTheStart) {
    for (const auto& game : PublishedGames()) {
        BoardPlayer p;
        const std::vector<std::int16_t> start = Cells(p.state);
        std::vector<std::vector<std::int16_t>> before;
        for (const auto& [from, to] : game) {
            before.push_back(Cells(p.state));
            p.Jump(from, to);
        }
        ASSERT_TRUE(p.won);
        ASSERT_EQ(p.state.MoveCount, 31);
        for (std::size_t i = game.size(); i-- > 0;) {
            PressBackspace(p);
            SCOPED_TRACE("jump " + std::to_string(i + 1) + " taken back");
            EXPECT_EQ(Cells(p.state), before[i]);
            // Before jump n the count was n; the winning jump, the 31st, had left it at 31.
            EXPECT_EQ(p.state.MoveCount, i + 1);
            EXPECT_EQ(p.state.Holding, False);
            EXPECT_EQ(CheckInvariant(p.state, false), "");
            // The focus is on the hole the peg went back to, announced as a peg there.
            EXPECT_EQ(p.focus, game[i].first);
            EXPECT_EQ(p.LastCue(),
                      game[i].first == CentreHole ? SoundCue::CentreBall : SoundCue::Ball);
            EXPECT_EQ(p.state.JumpOk, False);
        }
        EXPECT_EQ(Cells(p.state), start);
        PressBackspace(p);
        EXPECT_EQ(p.LastCue(), SoundCue::Error) << "nothing left to take back";
        EXPECT_EQ(Cells(p.state), start);
    }
}

TEST(Undo, TheWinTakenBackCanBeWonAgain) {
    BoardPlayer p;
    const auto game = JumpsOf(BergholtMoves);
    for (const auto& [from, to] : game) {
        p.Jump(from, to);
    }
    ASSERT_EQ(p.LastCue(), SoundCue::Applause);
    PressBackspace(p);
    EXPECT_EQ(PegsOnHoles(p.state), 2);
    EXPECT_EQ(CheckInvariant(p.state, false), "");
    p.Jump(game.back().first, game.back().second);
    EXPECT_EQ(p.LastCue(), SoundCue::Applause);
    EXPECT_EQ(CheckInvariant(p.state, true), "");
}

TEST(Undo, WithAPegInHandOnlyPutsItBack) {
    BoardPlayer p;
    p.Jump(5, 17); // one jump to take back later
    p.WalkTo(12);
    p.Press(Key::Space);
    const int focus = p.focus;
    PressBackspace(p);
    EXPECT_EQ(p.LastCue(), SoundCue::Place);
    EXPECT_EQ(p.focus, focus);
    EXPECT_EQ(p.state.Holding, False);
    EXPECT_EQ(p.state.Board.At(6, 3), Peg);
    EXPECT_EQ(p.state.MoveCount, 2) << "the jump stays";
    EXPECT_EQ(CheckInvariant(p.state, false), "");
    PressBackspace(p); // now the jump
    EXPECT_EQ(p.focus, 5);
    EXPECT_EQ(p.state.MoveCount, 1);
}

TEST(Undo, ANewGameForgetsTheJumps) {
    BoardPlayer p;
    p.Jump(5, 17);
    p.NewGameWithRestart();
    PressBackspace(p);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(PegsOnHoles(p.state), 32);
}

} // namespace
} // namespace tintineables::testing
