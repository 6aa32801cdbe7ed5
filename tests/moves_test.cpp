#include "board/hole_table.h"
#include "board/invariant.h"
#include "tests/board_player.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using ::tintineables::Key::Control;
using ::tintineables::Key::Down;
using ::tintineables::Key::Left;
using ::tintineables::Key::Right;
using ::tintineables::Key::Space;
using ::tintineables::Key::Up;

TEST(PickUp, TakesThePegAndRefusesASecond) {
    BoardPlayer p; // on hole 1, (3, 1)
    p.Press(Space);
    EXPECT_EQ(p.LastCue(), SoundCue::Select);
    EXPECT_EQ(p.state.Holding, True);
    EXPECT_EQ(p.state.Board.At(3, 1), NoPeg);
    EXPECT_EQ(p.state.FromX, 3);
    EXPECT_EQ(p.state.FromY, 1);
    EXPECT_EQ(p.state.JumpOk, False);

    p.Press(Space); // the same hole, now empty and with a peg in hand
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.Holding, True);

    p.Press(Right); // a second peg while holding one
    p.Press(Space);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.Board.At(4, 1), Peg);
    EXPECT_EQ(p.state.Holding, True);
    EXPECT_EQ(CheckInvariant(p.state, false), "");
}

TEST(PickUp, OnTheEmptyCentreIsRefused) {
    BoardPlayer p;
    p.WalkTo(CentreHole);
    p.Press(Space);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.Holding, False);
}

TEST(Drop, WithNothingInHandChangesNothing) {
    BoardPlayer p;
    const GameState before = p.state;
    p.Press(Control);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            EXPECT_EQ(p.state.Board.At(x, y), before.Board.At(x, y));
        }
    }
    p.Jump(5, 17);
    p.Press(Control); // right after a legal jump: the jumping peg's old hole stays empty
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.Board.At(4, 2), NoPeg);
}

struct RefusedDrop {
    const char* what;
    int from;
    std::vector<KeyCode> walk;
};

TEST(Drop, RefusalPutsThePegBackWhereItWasPickedUp) {
    const RefusedDrop cases[] = {
        {"on the pick-up hole itself", 5, {}},
        {"on a neighbour", 5, {Up}},
        {"three holes away", 2, {Up, Up, Up}},
        {"two away on a diagonal", 9, {Up, Up, Right, Right}},
        {"two away onto a peg", 10, {Up, Up}},
        {"after wandering, on an edge hole", 29, {Down, Down, Down, Left, Left, Left, Down}},
    };
    for (const RefusedDrop& c : cases) {
        BoardPlayer p;
        p.WalkTo(c.from);
        const Hole& from = HoleByNumber(c.from);
        p.Press(Space);
        for (KeyCode key : c.walk) {
            p.Press(key);
        }
        p.Press(Control);
        EXPECT_EQ(p.LastCue(), SoundCue::Error) << c.what;
        EXPECT_EQ(p.state.Board.At(from.x, from.y), Peg) << c.what;
        EXPECT_EQ(p.state.Holding, False) << c.what;
        EXPECT_EQ(p.state.MoveCount, 1) << c.what;
        EXPECT_EQ(CheckInvariant(p.state, false), "") << c.what;
    }
}

TEST(Drop, RefusedWhenTheHoleInBetweenIsEmpty) {
    BoardPlayer p;
    p.Jump(5, 17); // (4,2) over (4,3) into the centre: (4,3) and (4,2) empty
    p.WalkTo(2);   // (4,1): two up is (4,3), and (4,2) in between is empty
    p.Press(Space);
    p.PressTimes(Up, 2);
    p.Press(Control);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.Board.At(4, 1), Peg);
    EXPECT_EQ(p.state.Board.At(4, 3), NoPeg);
}

TEST(Drop, SpaceThenCtrlOnTheSameHoleIsRefusedEvenTwoFromAnEarlierPickUp) {
    BoardPlayer p;
    p.Jump(5, 17);
    p.Jump(12, 10); // the last pick-up hole is (6,3)
    p.WalkTo(26);   // (6,5): two up from (6,3), with a peg at (6,4) in between
    ASSERT_EQ(p.state.JumpOk, True);
    p.Press(Space); // a pick-up clears JumpOk on the spot
    p.Press(Control);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.Board.At(6, 5), Peg);
    EXPECT_EQ(p.state.Board.At(6, 4), Peg);
    EXPECT_EQ(p.state.Holding, False);
}

TEST(Drop, ALegalJumpLandsRemovesAndCounts) {
    BoardPlayer p;
    p.Jump(5, 17);
    EXPECT_EQ(p.LastCue(), SoundCue::Place); // into the centre below 31: ordinary
    EXPECT_EQ(p.state.Board.At(4, 4), Peg);
    EXPECT_EQ(p.state.Board.At(4, 3), NoPeg);
    EXPECT_EQ(p.state.Board.At(4, 2), NoPeg);
    EXPECT_EQ(p.state.MoveCount, 2);
    p.Jump(15, 17); // (2,4) over (3,4) onto the centre, which holds a peg now: refused
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    EXPECT_EQ(p.state.MoveCount, 2);
    p.Jump(12, 10); // (6,3) over (5,3) into (4,3)
    EXPECT_EQ(p.LastCue(), SoundCue::Place);
    EXPECT_EQ(p.state.MoveCount, 3);
    EXPECT_EQ(CheckInvariant(p.state, false), "");
}

TEST(Restart, WithAPegInHandFillsTheBoardAndEmptiesTheHand) {
    BoardPlayer p;
    p.Press(Space);
    p.NewGameWithRestart();
    EXPECT_EQ(p.state.Holding, False);
    EXPECT_EQ(PegsOnHoles(p.state), 32);
    p.Press(Control);
    EXPECT_EQ(p.LastCue(), SoundCue::Error);
    // CurX/CurY still name the focused hole: Space picks its peg up at once.
    p.Press(Space);
    EXPECT_EQ(p.LastCue(), SoundCue::Select);
    EXPECT_EQ(p.state.Board.At(3, 1), NoPeg);
}

} // namespace
} // namespace tintineables::testing
