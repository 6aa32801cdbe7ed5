#pragma once
// The layout of the table of winnable positions, shared by the program that makes it at build
// time and the game that reads it.
//
// A position is winnable when it lies on a path of jumps from the start to the win: reachable
// from the start, and able to end with a single peg in the centre. Turned or mirrored, a
// position stays winnable, so only the least of its eight images is kept. Taking the complement
// of a position (every peg a hole and every hole a peg) keeps it winnable too, since a jump
// played backwards is a jump on the complement, the start is the complement of the win, and
// both take 31 jumps. So the table holds only the positions of 17 pegs and more; one of 16
// pegs or fewer is looked up by its complement.
//
// Little-endian: the eight bytes "TINTWIN1", then for 17, 18, .. 32 pegs the number of
// positions (4 bytes each), then the positions of each count in that order, each in 5 bytes,
// in ascending order within its count.
#include <cstddef>

namespace tintineables {

inline constexpr char WinnableTableMagic[8] = {'T', 'I', 'N', 'T', 'W', 'I', 'N', '1'};
inline constexpr int WinnableTableFewestPegs = 17;
inline constexpr int WinnableTableMostPegs = 32;
inline constexpr int WinnableTableLevels = WinnableTableMostPegs - WinnableTableFewestPegs + 1;
inline constexpr std::size_t WinnableTableHeaderBytes = 8 + 4 * WinnableTableLevels;
inline constexpr std::size_t WinnableTableKeyBytes = 5;

} // namespace tintineables
