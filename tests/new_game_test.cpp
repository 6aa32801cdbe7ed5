#include "board/game_state.h"
#include "board/invariant.h"
#include "board/moves.h"
#include "board/new_game.h"
#include "sound/run_time_error.h"

#include <gtest/gtest.h>

namespace tintineables {
namespace {

TEST(NewGame, FillsEveryCellButTheCentreAndLeavesTheCursorFields) {
    GameState state;
    state.CurX = 5;
    state.CurY = 6;
    state.Holding = True;
    state.FromX = 3;
    state.FromY = 2;
    state.JumpOk = True;
    state.StepX = 1;
    state.StepY = -1;
    state.MoveCount = 17;
    state.Board.Set(2, 2, 0); // a cell off the cross is filled as well

    NewGame(state);

    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            EXPECT_EQ(state.Board.At(x, y), (x == 4 && y == 4) ? 0 : -1) << x << "," << y;
        }
    }
    EXPECT_EQ(state.Holding, False);
    EXPECT_EQ(state.MoveCount, 1);
    EXPECT_EQ(state.CurX, 5);
    EXPECT_EQ(state.CurY, 6);
    EXPECT_EQ(state.FromX, 3);
    EXPECT_EQ(state.FromY, 2);
    EXPECT_EQ(state.JumpOk, True);
    EXPECT_EQ(state.StepX, 1);
    EXPECT_EQ(state.StepY, -1);
    EXPECT_EQ(PegsOnHoles(state), 32);
    EXPECT_EQ(CheckInvariant(state, false), "");
}

TEST(Grid, EveryIndexOffTheGridIsARunTimeError) {
    Grid grid;
    for (auto [x, y] : {std::pair{0, 1}, {1, 0}, {8, 1}, {1, 8}, {-1, 4}, {4, 32767}}) {
        EXPECT_THROW((void)grid.At(x, y), RunTimeError) << x << "," << y;
        EXPECT_THROW(grid.Set(x, y, -1), RunTimeError) << x << "," << y;
    }
    grid.Set(7, 7, -1);
    grid.Set(1, 1, 5);
    EXPECT_EQ(grid.At(7, 7), -1);
    EXPECT_EQ(grid.At(1, 1), 5);
    EXPECT_EQ(grid.At(2, 1), 0); // row by row: (1,1) and (2,1) are neighbours, not aliases
}

TEST(MoveCount, RaisingPast255IsARunTimeErrorNotAWrap) {
    // A state no game reaches: a legal jump with the counter at its top.
    GameState state;
    NewGame(state);
    state.Board.Set(4, 2, 0); // peg in hand from (4, 2), over (4, 3), into (4, 4)
    state.Holding = True;
    state.FromX = 4;
    state.FromY = 2;
    state.CurX = 4;
    state.CurY = 4;
    state.JumpOk = True;
    state.StepX = 0;
    state.StepY = -1;
    state.MoveCount = 255;
    EXPECT_THROW(Drop(state, false), RunTimeError);
    EXPECT_EQ(state.MoveCount, 255);
}

} // namespace
} // namespace tintineables
