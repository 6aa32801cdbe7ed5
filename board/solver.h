#pragma once
// The questions a player may ask of the board: can the game still be won, and which jump keeps
// it winnable. Exact: from the table of winnable positions when the game began on a path from the
// full cross to the win (the game itself, every made puzzle), else by a search of its own.
#include "board/hole_table.h"
#include "board/peg_set.h"

#include <optional>

namespace tintineables {

enum class Outlook {
    CanWin,    // one peg can still end in the centre
    CannotWin, // it cannot, whatever is played
    Won,       // it has: one peg is left, in the centre
};

// `gameStart`: where the game of `pegs` began, the full cross for the game itself.
Outlook OutlookOf(PegSet pegs, PegSet gameStart = StartPosition);

// A jump that keeps the game winnable.
struct Hint {
    int from; // the hole of the peg that jumps
    Direction direction;
};

// A jump after which the game can still be won, whose peg is as few arrow steps from `nearHole`
// as any such peg (the first of them in the order of the holes, then of the directions). None
// when the game cannot be won, or is won already.
std::optional<Hint> HintFor(PegSet pegs, int nearHole, PegSet gameStart = StartPosition);

} // namespace tintineables
