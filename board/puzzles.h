#pragma once
// The puzzles: starting positions on the cross that are won, as the game is, when one peg is
// left, in the centre. First come the classic problems and puzzles made of 2 to 32 pegs, in
// the order of their size; then made puzzles only, 2 to 32 pegs again, round after round.
//
// A made puzzle is made backwards from one peg in the centre: jump after jump played in
// reverse, so it can be won by construction. Every reversed jump keeps the position on a path
// of the game from the full cross to the win, so that the table of winnable positions answers
// exactly for every position the puzzle can reach. The reversed jumps are chosen by a seed of
// the puzzle's own, by arithmetic alone: the same number is the same puzzle on every host.
#include "board/peg_set.h"

#include <cstdint>
#include <optional>

namespace tintineables {

enum class ClassicPuzzle { Cross, Plus, Fireplace, Pyramid, UpArrow, Diamond };
inline constexpr int ClassicPuzzleCount = 6;

struct Puzzle {
    int number = 0; // 1..PuzzleCount
    PegSet start = 0;
    std::optional<ClassicPuzzle> classic; // none: a made puzzle
};

inline constexpr int PuzzleCount = 999;
inline constexpr int FewestPuzzlePegs = 2;

// Puzzle 1..PuzzleCount; any other number is a RunTimeError.
Puzzle PuzzleNumbered(int number);

PegSet ClassicStart(ClassicPuzzle classic);

// A puzzle of `pegs` pegs (2..32), made backwards from the win with the seed's choices.
PegSet MadePuzzle(int pegs, std::uint64_t seed);

} // namespace tintineables
