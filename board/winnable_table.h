#pragma once
#include "board/peg_set.h"

#include <span>

namespace tintineables {

// Whether a position lies on a path of jumps from the start to the win: reachable from the
// start, and able to end with one peg in the centre. Every position of a game is reachable from
// the start, so for them this is "the game can still be won". A look-up in a table made when
// the game was built: a few microseconds.
bool OnAWinningPath(PegSet pegs);

// The table's bytes, in the layout of winnable_table_format.h: on the desktop laid into the
// program when it was built, in a browser loaded by the page before the game starts. Empty, or
// not adding up, is a fault reported at the first question.
std::span<const unsigned char> WinnableTableBytes();

} // namespace tintineables
