#pragma once
#include "board/game_state.h"

#include <string>

namespace tintineables {

int PegsOnHoles(const GameState& state);

// Between two keys: pegs on holes + peg in hand + MoveCount is 33 before the win and 32
// after it, and the pick-up cell is empty while a peg is in hand. Returns what is broken,
// or an empty string.
std::string CheckInvariant(const GameState& state, bool won);

} // namespace tintineables
