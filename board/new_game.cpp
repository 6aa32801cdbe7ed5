#include "board/new_game.h"

#include "board/hole_table.h"

namespace tintineables {

void NewGame(GameState& state) {
    for (int x : {1, 2, 3, 5, 6, 7}) {
        for (int y = 1; y <= Grid::Size; ++y) {
            state.Board.Set(x, y, Peg);
        }
    }
    for (int y = 1; y <= Grid::Size; ++y) {
        state.Board.Set(4, y, y == 4 ? NoPeg : Peg);
    }
    state.Holding = False;
    state.MoveCount = 1;
    state.JumpsMade = 0;
}

void SetUpPuzzle(GameState& state, PegSet pegs) {
    NewGame(state);
    for (const Hole& hole : HoleTable) {
        const bool peg = (pegs & HoleBit(hole.number)) != 0;
        state.Board.Set(hole.x, hole.y, peg ? Peg : NoPeg);
    }
    state.MoveCount = static_cast<std::uint8_t>(HoleCount - PegCount(pegs));
}

} // namespace tintineables
