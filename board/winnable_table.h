#pragma once
#include "board/peg_set.h"

namespace tintineables {

// Whether a position lies on a path of jumps from the start to the win: reachable from the
// start, and able to end with one peg in the centre. Every position of a game is reachable from
// the start, so for them this is "the game can still be won". A look-up in a table made when
// the game was built: a few microseconds.
bool OnAWinningPath(PegSet pegs);

} // namespace tintineables
