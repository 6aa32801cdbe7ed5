#pragma once
#include "board/game_state.h"
#include "board/peg_set.h"

namespace tintineables {

// Fills the grid (the 16 cells off the cross too) with pegs but the centre, empties the hand,
// sets MoveCount to 1 and forgets the jumps made. CurX..StepY keep their values: CurX/CurY still
// name the focused hole.
void NewGame(GameState& state);

// A puzzle's start: its pegs on the holes (the 16 cells off the cross full, as in a new game),
// the hand empty, the jumps forgotten, and MoveCount 33 less the pegs, so that, as in the game,
// pegs + hand + MoveCount make 33 and the jump that leaves one peg in the centre is the win.
void SetUpPuzzle(GameState& state, PegSet pegs);

} // namespace tintineables
