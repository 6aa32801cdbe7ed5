#pragma once
#include "board/game_state.h"
#include "board/hole_key_down.h"

namespace tintineables {

// Backspace on the board. With a peg in hand it only puts that peg back where it was taken
// (Place). Otherwise it takes back the last jump of this game: the jumping peg goes back to its
// hole, the jumped peg comes back, the move counter is again what it was before, and the focus
// is sent to the hole the peg went back to, which announces itself there as on any arrival.
// With no jump to take back: Error, and nothing changes.
HoleKeyResult Undo(GameState& state);

// Puts a peg in hand back where it was taken, without a sound; false with nothing in hand.
bool PutBackPegInHand(GameState& state);

} // namespace tintineables
