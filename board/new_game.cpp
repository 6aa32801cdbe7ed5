#include "board/new_game.h"

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

} // namespace tintineables
