#pragma once
#include "board/game_state.h"

namespace tintineables {

// Fills the grid (the 16 cells off the cross too) with pegs but the centre, empties the hand,
// sets MoveCount to 1 and forgets the jumps made. CurX..StepY keep their values: CurX/CurY still
// name the focused hole.
void NewGame(GameState& state);

} // namespace tintineables
