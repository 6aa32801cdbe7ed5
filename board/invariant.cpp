#include "board/invariant.h"

#include "board/hole_table.h"

namespace tintineables {

int PegsOnHoles(const GameState& state) {
    int pegs = 0;
    for (const Hole& hole : HoleTable) {
        pegs += state.Board.At(hole.x, hole.y) == Peg ? 1 : 0;
    }
    return pegs;
}

std::string CheckInvariant(const GameState& state, bool won) {
    const int inHand = state.Holding == True ? 1 : 0;
    const int total = PegsOnHoles(state) + inHand + state.MoveCount;
    const int expected = won ? 32 : 33;
    if (total != expected) {
        return "pegs on holes + peg in hand + MoveCount = " + std::to_string(total) + ", not " +
               std::to_string(expected);
    }
    if (state.Holding != True && state.Holding != False) {
        return "Holding is " + std::to_string(state.Holding);
    }
    if (inHand == 1 && state.Board.At(state.FromX, state.FromY) != NoPeg) {
        return "a peg is in hand but its pick-up cell is not empty";
    }
    return {};
}

} // namespace tintineables
