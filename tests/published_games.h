#pragma once
// Winning games as they were published, for tests that walk a whole game.
#include "tests/winning_jumps.h"

#include <string_view>
#include <utility>
#include <vector>

namespace tintineables::testing {

// Ernest Bergholt's solution of 1912, 18 moves of 31 jumps, shown minimal by John Beasley in
// 1964, as "The Ins and Outs of Peg Solitaire" (Beasley, 1985) gives it: a square is its column,
// then its row counted from the top; a move names every square its peg lands on in turn.
inline constexpr std::string_view BergholtMoves =
    "46*44 65*45 57*55 54*56 52*54 73*53 43*63 75*73*53 35*55 15*35 23*43*63*65*45*25 "
    "37*57*55*53 31*33 34*32 51*31*33 13*15*35 36*34*32*52*54*34 24*44";

// A game in that notation as jumps (from, to) by hole number.
std::vector<std::pair<int, int>> JumpsOf(std::string_view moves);

// The two: Bergholt's, and the game the test suite has always carried (WinningJumps).
std::vector<std::vector<std::pair<int, int>>> PublishedGames();

} // namespace tintineables::testing
