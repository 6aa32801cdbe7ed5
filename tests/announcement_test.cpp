#include "board/announcement.h"
#include "board/new_game.h"

#include <gtest/gtest.h>

namespace tintineables {
namespace {

struct AnnounceCase {
    const char* what;
    int fromX, fromY; // the last pick-up
    int stepX, stepY; // left over from the hole before
    int hole;
    std::int16_t jumpOk;
    int expectStepX, expectStepY;
};

TEST(Announce, WorksOutTheLandingPlaceAndTheHoleInBetween) {
    const AnnounceCase cases[] = {
        {"two up from (4,2) onto the centre", 4, 2, 9, 9, 17, True, 0, -1},
        {"two right from (1,4)", 1, 4, 9, 9, 16, True, -1, 0},
        {"two left from (5,4)", 5, 4, 9, 9, 16, True, 1, 0},
        {"two down from (4,6)", 4, 6, 9, 9, 17, True, 0, 1},
        {"diagonal two away is no landing place", 3, 3, 9, 9, 25, False, -1, -1},
        {"the pick-up hole itself", 4, 2, 9, 9, 5, False, 0, 0},
        {"a neighbour keeps the step along its line", 1, 4, 7, 7, 15, False, 7, 0},
        {"three away keeps the step along its line", 1, 4, 7, 7, 18, False, 7, 0},
        {"before any pick-up: column 2", 0, 0, 7, 7, 8, False, -1, 7},
        {"before any pick-up: row 2", 0, 0, 7, 7, 5, False, 7, -1},
        {"before any pick-up: elsewhere", 0, 0, 7, 7, 17, False, 7, 7},
    };
    for (const AnnounceCase& c : cases) {
        GameState state;
        NewGame(state);
        state.FromX = static_cast<std::int16_t>(c.fromX);
        state.FromY = static_cast<std::int16_t>(c.fromY);
        state.StepX = static_cast<std::int16_t>(c.stepX);
        state.StepY = static_cast<std::int16_t>(c.stepY);
        state.JumpOk = c.jumpOk == True ? False : True; // must be written either way
        Announce(state, c.hole);
        EXPECT_EQ(state.JumpOk, c.jumpOk) << c.what;
        EXPECT_EQ(state.StepX, c.expectStepX) << c.what;
        EXPECT_EQ(state.StepY, c.expectStepY) << c.what;
    }
}

TEST(Announce, RecordsTheHoleAndPlaysItsPairOfCues) {
    GameState state;
    NewGame(state);
    EXPECT_EQ(Announce(state, 1), SoundCue::Ball);
    EXPECT_EQ(state.CurX, 3);
    EXPECT_EQ(state.CurY, 1);
    EXPECT_EQ(Announce(state, 17), SoundCue::Centre);
    EXPECT_EQ(state.CurX, 4);
    EXPECT_EQ(state.CurY, 4);
    state.Board.Set(4, 4, Peg);
    EXPECT_EQ(Announce(state, 17), SoundCue::CentreBall);
    state.Board.Set(3, 3, NoPeg);
    EXPECT_EQ(Announce(state, 9), SoundCue::Empty);
    // Only -1 is a peg: any other value sounds empty.
    state.Board.Set(3, 3, 1);
    EXPECT_EQ(Announce(state, 9), SoundCue::Empty);
    const GameState before = state;
    Announce(state, 9);
    EXPECT_EQ(state.Holding, before.Holding);
    EXPECT_EQ(state.MoveCount, before.MoveCount);
}

} // namespace
} // namespace tintineables
