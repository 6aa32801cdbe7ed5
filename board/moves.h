#pragma once
#include "board/game_state.h"
#include "sound/sound_cue.h"

namespace tintineables {

// Why Space or Ctrl on the current hole would be refused, before it is pressed.
enum class Refusal {
    None,          // taken
    EmptyHole,     // Space on an empty hole
    PegInHand,     // Space with a peg already in hand
    NothingInHand, // Ctrl with no peg in hand
    NotAJump,      // Ctrl where the peg in hand cannot land by a jump: it goes back
};
Refusal PickUpRefusal(const GameState& state);
Refusal DropRefusal(const GameState& state);

// Space on the current hole: takes its peg into the hand (Select), or refuses (Error) when the
// hole is empty or a peg is already in hand.
SoundCue PickUp(GameState& state);

// Ctrl on the current hole: a legal jump lands the peg in hand and removes the jumped peg
// (Place); anything else puts the peg back where it was picked up (Error). Only the centre's
// handler passes mayWin: there the 31st jump is the winning move (Applause).
SoundCue Drop(GameState& state, bool mayWin);

} // namespace tintineables
